// The loader of pictures already decoded elsewhere (made pairs): top-down red-green-blue bytes packed into
// the surface. A surface that already has the picture's size keeps its buffer, so a stage start allocates
// nothing.
#include "game/gfx/Display.h"
#include "game/gfx/PackTables.h"
#include "game/gfx/Surface.h"

bool Surface::LoadPackedRgb(const uint8_t* rgb, int w, int h) {
    if (!rgb || w <= 0 || h <= 0 || w > kMaxSurfaceSide || h > kMaxSurfaceSide) return false;
    if (!surface || surface->Width() != w || surface->Height() != h) {
        ReleaseSurface();
        if (!CreateSurfaceFor("made pair", w, h, true)) return false;
    }
    width = cellWidth = w;
    height = cellHeight = h;
    const PackTables tables = PackTables::Current();
    int lockedPitch = 0;
    DDLock(surface.get(), lockedPitch);
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = rgb + size_t(y) * size_t(w) * 3;
        uint16_t* row = surface->Row(y);
        for (int x = 0; x < w; ++x, src += 3) row[x] = tables.Pack(src[0], src[1], src[2]);
    }
    DDUnlock(surface.get());
    FinishLoad(0, 0);
    return true;
}
