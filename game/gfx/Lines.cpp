#include "game/gfx/Lines.h"

#include <algorithm>

#include "game/gfx/Globals.h"

namespace {
// The drawable area: the screen, and never more than the locked surface holds.
int LimitWidth() {
    return std::min(gDisplay.screenWidth, gDisplay.lastLockPitch);
}
int LimitHeight() {
    return std::min(gDisplay.screenHeight, gDisplay.lastLockHeight);
}

// Clips a run that starts at `start` with `n` pixels to 0..limit-1; false when nothing is left.
bool ClipRun(int& start, int& n, int limit) {
    if (start >= limit || start + n < 0) return false;
    if (start < 0) {
        n += start;
        start = 0;
    }
    if (start + n >= limit) n = limit - start;
    return n > 0;
}
} // namespace

void DrawHLine(int x, int y, int length, uint16_t color) {
    uint16_t* bits = gDisplay.lastLockBits;
    if (!bits || y < 0 || y >= LimitHeight() || !ClipRun(x, length, LimitWidth())) return;
    std::fill_n(bits + size_t(y) * size_t(gDisplay.lastLockPitch) + size_t(x), length, color);
}

void DrawVLine(int x, int y, int length, uint16_t color) {
    uint16_t* bits = gDisplay.lastLockBits;
    if (!bits || x < 0 || x >= LimitWidth() || !ClipRun(y, length, LimitHeight())) return;
    const size_t pitch = size_t(gDisplay.lastLockPitch);
    uint16_t* p = bits + size_t(y) * pitch + size_t(x);
    for (int i = 0; i < length; ++i, p += pitch) *p = color;
}

void DrawFrameRect(int x, int y, int width, int height, uint16_t color) {
    DrawHLine(x, y, width, color);
    DrawHLine(x, y + height - 1, width, color);
    DrawVLine(x, y, height, color);
    DrawVLine(x + width - 1, y, height, color);
}
