#pragma once
#include <cstdint>

#include "game/gfx/Rect.h"

class Surface;

// A fixed part of a picture (for example one bar of the time gauge strip), drawn onto the back surface.
struct SpriteRegion {
    Surface* surface = nullptr;
    Rect source;
    int32_t width = 0;
    int32_t height = 0;

    void Set(Surface* from, int x, int y, int w, int h);
    // A 1:1 copy with its top-left at (x, y).
    int DrawRegionAt(int x, int y, bool keyed);
    // A copy scaled into `dst`.
    int DrawRegionInto(const Rect& dst, bool keyed);
};
