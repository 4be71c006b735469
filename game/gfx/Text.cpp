#include "game/gfx/Text.h"

#include <cstdarg>
#include <cstdio>

#include "game/gfx/CoverageBlend.h"
#include "game/gfx/Globals.h"

namespace {
constexpr size_t kFormatBufferSize = 256; // longer formatted text is cut to fit

uint16_t PackGdiColor(uint32_t color) {
    return PackColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void FormattedText(FontHandle font, int x, int y, uint32_t color, const char* format, va_list args) {
    char buffer[kFormatBufferSize];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    PutFontText(font, x, y, color, buffer);
}
} // namespace

FontHandle MakeFont(int height, int weight, const char* face) {
    GlyphRasterizer* rasterizer = gTextCache.Rasterizer();
    if (!rasterizer || !face) return kNoFont;
    return rasterizer->OpenFont(height, weight, face);
}

void PutText(int x, int y, uint32_t color, const char* text) {
    PutFontText(gDisplay.font, x, y, color, text);
}

void PutTextF(int x, int y, uint32_t color, const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormattedText(gDisplay.font, x, y, color, format, args);
    va_end(args);
}

void PutFontText(FontHandle font, int x, int y, uint32_t color, const char* text) {
    if (!text || !gDisplay.lowDDBack) return;
    const CoverageBitmap* line = gTextCache.Line(font, text);
    if (line) BlendCoverage(*line, *gDisplay.lowDDBack, x, y, PackGdiColor(color), gPixelConversion);
}

void PutFontTextF(FontHandle font, int x, int y, uint32_t color, const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormattedText(font, x, y, color, format, args);
    va_end(args);
}
