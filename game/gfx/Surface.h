#pragma once
#include <cstdint>
#include <memory>

#include "game/gfx/PixelBuffer.h"
#include "game/gfx/Rect.h"

class Archive;

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

    // Picture loaders. The source is an entry of archive, or the file name when archive is null.
    // Cell size 0 in either direction makes the whole picture one cell. Every failure is shown with
    // ShowError and leaves the surface empty.
    bool LoadPcx256(Archive* archive, const char* name, int cellW, int cellH);
    bool LowLoadPcx256(Archive* archive, const char* name);
    bool LowLoadBmpBit(Archive* archive, const char* name, int cellW, int cellH);
    int ReadBmpBitCount(Archive* archive, const char* name);
    bool LowLoadBmp8(Archive* archive, const char* name);
    bool LowLoadBmp24(Archive* archive, const char* name);
    bool LowLoadJpeg(Archive* archive, const char* name, int cellW, int cellH);
    // A picture of w x h top-down red-green-blue bytes (3 a pixel), one cell; the platform surface is kept
    // when it already has that size. False for sizes beyond the surfaces' bound.
    bool LoadPackedRgb(const uint8_t* rgb, int w, int h);

    // Drawing into a destination surface (the game passes *gDisplay.lowDDBack). Copies answer a
    // BltResult (game/gfx/PixelCopy.h): 0 on success; a refused copy draws nothing.
    // Cell n with its top-left at (x, y); a cell that does not fit the destination entirely is refused.
    int BltCell(int x, int y, int n, bool keyed, PixelBuffer& dest);
    // The same, clipped to clipRect; 0 without drawing when nothing is visible.
    int BltCellClipped(int x, int y, int n, bool keyed, PixelBuffer& dest);
    // The clipping of BltCellClipped alone: sets srcRect (within the cell) and dstRect; false when invisible.
    bool ClipCell(int x, int y);
    int StretchCell(const Rect& dst, int n, bool keyed, PixelBuffer& dest);
    int StretchRect(const Rect& dst, const Rect& src, bool keyed, PixelBuffer& dest);
    // Cell n translucent over the back surface at (x, y), `level` of 31 (FadeTables). Mode 1 leaves key
    // pixels out; any other mode blends every pixel of the cell.
    void BlendCell(int x, int y, int n, int mode, int level);

  private:
    // CreatePlatformSurface for a loader, with "CreateSurface Error" shown when it fails. A picture whose
    // data cannot fill it (fits false) is refused the same way, before anything of its size is allocated.
    bool CreateSurfaceFor(const char* name, int w, int h, bool fits);
};
