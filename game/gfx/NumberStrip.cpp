#include "game/gfx/NumberStrip.h"

#include "game/gfx/Globals.h"

namespace {
constexpr int kDecimalBase = 10;
}

bool LoadDigits(Archive* archive, const char* name) {
    NumberStrip& strip = gNumberStrip;
    strip.digitWidth = strip.digitHeight = 0;
    if (!strip.digits.LowLoadBmpBit(archive, name, 0, 0)) return false;
    strip.digitWidth = strip.digits.width / kDecimalBase;
    strip.digitHeight = strip.digits.height;
    strip.digits.cellWidth = strip.digitWidth;
    strip.digits.cellHeight = strip.digitHeight;
    return true;
}

void DrawNumber(int x, int y, int value) {
    PixelBuffer* back = gDisplay.lowDDBack.get();
    Surface& digits = gNumberStrip.digits;
    if (!back) return;
    if (value == 0) {
        digits.BltCell(x, y, 0, true, *back);
        return;
    }
    // Deliberately half a cell apart: neighbouring digits overlap, the more significant one on top.
    const int spacing = gNumberStrip.digitWidth / 2;
    for (int offset = 0; value > 0; value /= kDecimalBase, offset += spacing)
        digits.BltCell(x - offset, y, value % kDecimalBase, true, *back);
}
