#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

// One rendered line of text as glyph coverage: one byte per pixel (0 = background, 255 = fully inside a
// glyph), rows of `width` bytes. (0, 0) is the top-left of the line's text cell.
struct CoverageBitmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    uint8_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// Turns text into glyph coverage with the machine's fonts.
class GlyphRasterizer {
  public:
    virtual ~GlyphRasterizer() = default;
    // A face by name with a cell height in pixels (ascent + descent) and a weight (100 to 900); the same
    // request answers the same number. -1 when no font can be had.
    virtual int OpenFont(int cellHeight, int weight, std::string_view face) = 0;
    // Renders one UTF-8 line, reusing out's storage; false when the font is unknown. Characters the font
    // cannot draw are left out.
    virtual bool RenderLine(int font, std::string_view utf8, CoverageBitmap& out) = 0;
    // Whether the font (with its fallback faces) draws the character.
    virtual bool HasGlyph(int font, uint32_t codepoint) const = 0;
};
