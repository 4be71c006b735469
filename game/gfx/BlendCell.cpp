// Translucent drawing of a cell over the back surface through the fade tables.
#include "game/gfx/FadeTables.h"
#include "game/gfx/Globals.h"
#include "game/gfx/PixelCopy.h"
#include "game/gfx/Surface.h"

namespace {
constexpr int kModeSkipKey = 1;
}

// The cell's pixels are read straight from the sprite rather than staged in work surface A, so a blend
// made between CaptureOld and CrossFade cannot spoil the captured old screen.
void Surface::BlendCell(int x, int y, int n, int mode, int level) {
    const FadeTables& f = gFadeTables;
    PixelBuffer* back = gDisplay.lowDDBack.get();
    if (!surface || !back || !f.Built() || level < 0 || level > kFadeTopLevel) return;
    if (!ClipCell(x, y)) return;
    const int w = srcRect.Width();
    const int h = srcRect.Height();
    gFadeTables.blendRect = {dstRect.left, dstRect.top, dstRect.left + w, dstRect.top + h};
    const Rect src{srcRect.left + n * cellWidth, srcRect.top, srcRect.right + n * cellWidth, srcRect.bottom};
    if (!RectInside(src, surface->Width(), surface->Height()) ||
        !RectInside(f.blendRect, back->Width(), back->Height()))
        return;
    const uint16_t* under = f.Level(kFadeTopLevel - level);
    const uint16_t* over = f.Level(level);
    const bool skipKey = mode == kModeSkipKey;
    for (int j = 0; j < h; ++j) {
        const uint16_t* s = surface->Row(src.top + j) + src.left;
        uint16_t* d = back->Row(dstRect.top + j) + dstRect.left;
        for (int i = 0; i < w; ++i) {
            if (skipKey && s[i] == 0) continue;
            d[i] = static_cast<uint16_t>(under[d[i]] + over[s[i]]);
        }
    }
}
