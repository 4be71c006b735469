#include "game/gfx/CoverageBlend.h"

#include <algorithm>

namespace {
constexpr uint32_t kFullCoverage = 255;

uint32_t MixField(uint16_t under, uint16_t color, uint32_t mask, uint32_t shift, uint32_t a) {
    const uint32_t d = (under & mask) >> shift;
    const uint32_t t = (color & mask) >> shift;
    return ((d * (kFullCoverage - a) + t * a + kFullCoverage / 2) / kFullCoverage) << shift;
}

uint16_t Mix(uint16_t under, uint16_t color, uint32_t a, const PixelConversion& pc) {
    return static_cast<uint16_t>(MixField(under, color, pc.redMask, pc.redShift, a) |
                                 MixField(under, color, pc.greenMask, pc.greenShift, a) |
                                 MixField(under, color, pc.blueMask, pc.blueShift, a));
}
} // namespace

void BlendCoverage(const CoverageBitmap& coverage, PixelBuffer& dest, int x, int y, uint16_t color,
                   const PixelConversion& pc) {
    const int x0 = std::max(0, -x);
    const int y0 = std::max(0, -y);
    const int x1 = std::min(coverage.width, dest.Width() - x);
    const int y1 = std::min(coverage.height, dest.Height() - y);
    for (int j = y0; j < y1; ++j) {
        const uint8_t* cov = coverage.pixels.data() + size_t(j) * size_t(coverage.width);
        uint16_t* row = dest.Row(y + j) + x;
        for (int i = x0; i < x1; ++i) {
            const uint32_t a = cov[i];
            if (a == kFullCoverage)
                row[i] = color;
            else if (a != 0)
                row[i] = Mix(row[i], color, a, pc);
        }
    }
}
