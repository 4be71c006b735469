// The cell copies of a Surface: plain and clipped.
#include "game/gfx/PixelCopy.h"
#include "game/gfx/Surface.h"

int Surface::BltCell(int x, int y, int n, bool keyed, PixelBuffer& dest) {
    if (!surface) return kBltNoSurface;
    srcRect = CellRect(n);
    return CopyPixels(*surface, srcRect, dest, x, y, keyed);
}

bool Surface::ClipCell(int x, int y) {
    const Rect& c = clipRect;
    const int w = cellWidth;
    const int h = cellHeight;
    dstRect = {x, y, x + w, y + h};
    srcRect = {0, 0, w, h};
    if (x > c.right || y > c.bottom || x + w < c.left || y + h < c.top) return false;
    if (x < c.left) {
        dstRect.left = c.left;
        srcRect.left = c.left - x;
    }
    if (x + w > c.right) srcRect.right = c.right - x;
    if (y < c.top) {
        dstRect.top = c.top;
        srcRect.top = c.top - y;
    }
    if (y + h > c.bottom) srcRect.bottom = c.bottom - y;
    return true;
}

int Surface::BltCellClipped(int x, int y, int n, bool keyed, PixelBuffer& dest) {
    if (!ClipCell(x, y)) return kBltOk;
    if (!surface) return kBltNoSurface;
    srcRect.left += n * cellWidth;
    srcRect.right += n * cellWidth;
    return CopyPixels(*surface, srcRect, dest, dstRect.left, dstRect.top, keyed);
}
