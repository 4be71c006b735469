// The scaled copies of a Surface.
#include "game/gfx/PixelCopy.h"
#include "game/gfx/Surface.h"

int Surface::StretchCell(const Rect& dst, int n, bool keyed, PixelBuffer& dest) {
    return StretchRect(dst, CellRect(n), keyed, dest);
}

int Surface::StretchRect(const Rect& dst, const Rect& src, bool keyed, PixelBuffer& dest) {
    if (!surface) return kBltNoSurface;
    return StretchPixels(*surface, src, dest, dst, keyed);
}
