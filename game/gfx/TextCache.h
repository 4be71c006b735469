#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/gfx/Font.h"
#include "platform/GlyphRasterizer.h"

// Rendered lines kept for reuse: the screens draw the same few strings every frame, so a line is
// rendered once and its coverage reused while it stays among the most recently drawn.
class TextCache {
  public:
    static constexpr size_t kEntries = 32;

    // The rasterizer that fonts are made with; null makes every text draw nothing. Empties the cache.
    void SetRasterizer(GlyphRasterizer* rasterizer);
    GlyphRasterizer* Rasterizer() const { return rasterizer_; }
    struct Line {
        CoverageBitmap coverage;
        int hangul = 0; // Hangul characters in the line
    };
    // A code page 949 line in a font, rendered on first use; null when it cannot be had.
    const Line* Get(FontHandle font, std::string_view cp949);

  private:
    struct Entry {
        FontHandle font = kNoFont;
        std::string text;
        Line line;
        uint64_t lastUse = 0;
    };

    GlyphRasterizer* rasterizer_ = nullptr;
    std::array<Entry, kEntries> entries_;
    uint64_t useCounter_ = 0;
};
