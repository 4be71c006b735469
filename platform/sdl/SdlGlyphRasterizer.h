#pragma once
#include <SDL_ttf.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/GlyphRasterizer.h"

struct TtfFontDeleter {
    void operator()(TTF_Font* f) const { TTF_CloseFont(f); }
};
using TtfFontPtr = std::unique_ptr<TTF_Font, TtfFontDeleter>;

// Glyphs from SDL2_ttf with faces found through fontconfig. Characters the face lacks (Hangul in the
// Latin faces) come from a Korean face, sized to the same cell and set on the same baseline.
class SdlGlyphRasterizer : public GlyphRasterizer {
  public:
    static constexpr size_t kMaxFonts = 16;

    SdlGlyphRasterizer();
    ~SdlGlyphRasterizer() override;
    SdlGlyphRasterizer(const SdlGlyphRasterizer&) = delete;
    SdlGlyphRasterizer& operator=(const SdlGlyphRasterizer&) = delete;

    bool Ready() const { return ready_; }
    int OpenFont(int cellHeight, int weight, std::string_view face) override;
    bool RenderLine(int font, std::string_view utf8, CoverageBitmap& out) override;
    bool HasGlyph(int font, uint32_t codepoint) const override;

    // The point size chosen for a font (for the record), or 0.
    int PointSize(int font) const;

  private:
    struct Face {
        std::string name;
        int cellHeight = 0;
        int weight = 0;
        TtfFontPtr primary;
        TtfFontPtr fallback; // null when the primary face is the Korean face itself
        int pointSize = 0;
    };

    // The face that draws a character: the primary one, else the Korean one; null when neither has it.
    TTF_Font* FontFor(const Face& face, uint32_t codepoint) const;
    void DrawRun(const Face& face, TTF_Font* font, int& penX, CoverageBitmap& out);

    bool fontconfig_ = false;
    bool ttf_ = false;
    bool ready_ = false;
    std::vector<Face> faces_;
    std::string run_; // the run being rendered, kept to avoid allocating per line
};
