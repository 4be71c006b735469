#pragma once
#include <cstdint>
#include <memory>

#include "game/gfx/PixelBuffer.h"
#include "game/gfx/Rect.h"

// An off-screen picture: a platform surface (here a PixelBuffer) with its picture size, cell geometry
// (a picture may be a horizontal strip of equal cells), clip rectangle and the colour key 0.
class Surface {
public:
    std::unique_ptr<PixelBuffer> surface;
    int systemMemory = 1; // 1 = system memory; 0 = left to the driver (kept for the loaders' retry rule)
    uint16_t* bits = nullptr;
    int pitch = 0;
    int width = 0;
    int height = 0;
    int cellWidth = 0;
    int cellHeight = 0;
    Rect srcRect;
    Rect clipRect;
    Rect dstRect;
    bool colorKeyed = false;

    void ReleaseSurface();
    void ApplyColorKey() { colorKeyed = true; }
    // The common tail of every loader: cell size, colour key, clip and source rectangles, noted bits.
    void FinishLoad(int cellW, int cellH);
    // Creates the platform surface of the given size (DDCreateOffscreen); false when it cannot be had.
    bool CreatePlatformSurface(int w, int h);
    bool Empty() const { return surface == nullptr; }
    Rect CellRect(int n) const { return {n * cellWidth, 0, n * cellWidth + cellWidth, cellHeight}; }
};
