#include "game/gfx/Text.h"

#include <cstdarg>
#include <cstdio>

#include "game/gfx/CoverageBlend.h"
#include "game/gfx/Globals.h"
#include "platform/Cp949.h"
#include "platform/Utf8.h"

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
    const TextCache::Line* line = gTextCache.Get(font, text);
    if (!line) return;
    BlendCoverage(line->coverage, *gDisplay.lowDDBack, x, y, PackGdiColor(color), gPixelConversion);
    gHangulGlyphsDrawn += uint64_t(line->hangul);
}

void CollectMissingGlyphs(FontHandle font, std::string_view cp949, std::string& missing) {
    GlyphRasterizer* rasterizer = gTextCache.Rasterizer();
    if (!rasterizer || font == kNoFont) return;
    const std::string utf8 = Cp949ToUtf8(cp949);
    for (size_t at = 0; at < utf8.size();) {
        const size_t start = at;
        const uint32_t codepoint = NextCodepoint(utf8, at);
        const std::string character = utf8.substr(start, at - start);
        if (!rasterizer->HasGlyph(font, codepoint) && missing.find(character) == std::string::npos)
            missing += character;
    }
}

void PutFontTextF(FontHandle font, int x, int y, uint32_t color, const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormattedText(font, x, y, color, format, args);
    va_end(args);
}
