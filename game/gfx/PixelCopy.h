#pragma once
#include "game/gfx/PixelBuffer.h"
#include "game/gfx/Rect.h"

// Results of the copies: 0 for success, otherwise why the platform refused (nothing is drawn then).
enum BltResult : int {
    kBltOk = 0,
    kBltNoSurface = 1,   // the source or destination has no pixels
    kBltInvalidRect = 2, // a rectangle lies outside its surface, or is inverted
};

// A 1:1 copy of `src` from `source` with its top-left at (dx, dy). The whole rectangle must lie inside
// both surfaces; an empty one copies nothing. Keyed leaves source pixels of value 0 out.
int CopyPixels(const PixelBuffer& source, const Rect& src, PixelBuffer& dest, int dx, int dy, bool keyed);

// A scaled copy of `src` into `dst` by nearest-neighbour sampling (each destination pixel takes the source
// pixel under its centre). Both rectangles must be non-empty and inside their surfaces.
int StretchPixels(const PixelBuffer& source, const Rect& src, PixelBuffer& dest, const Rect& dst, bool keyed);

// True when `r` is a (possibly empty) rectangle inside a w x h surface.
inline bool RectInside(const Rect& r, int w, int h) {
    return r.left >= 0 && r.top >= 0 && r.left <= r.right && r.top <= r.bottom && r.right <= w &&
           r.bottom <= h;
}
