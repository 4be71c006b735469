// Text through a stand-in rasterizer: colour blending, caching, and the absence of fonts.
#include <map>
#include <string>

#include "game/gfx/CoverageBlend.h"
#include "game/gfx/Text.h"
#include "tests/gfx/DisplayFixture.h"

namespace {
// Renders each byte of a line as a 3-pixel column: full, half and no coverage.
class FakeRasterizer : public GlyphRasterizer {
  public:
    int OpenFont(int cellHeight, int, std::string_view) override { return cellHeight; }
    bool RenderLine(int font, std::string_view utf8, CoverageBitmap& out) override {
        lines.push_back(std::string(utf8));
        out.width = int(utf8.size()) * 3;
        out.height = font;
        out.pixels.assign(size_t(out.width) * size_t(out.height), 0);
        for (int y = 0; y < out.height; ++y)
            for (size_t i = 0; i < utf8.size(); ++i) {
                out.pixels[size_t(y) * size_t(out.width) + 3 * i] = 255;
                out.pixels[size_t(y) * size_t(out.width) + 3 * i + 1] = 128;
            }
        return true;
    }
    bool HasGlyph(int, uint32_t codepoint) const override { return codepoint != kMissing; }
    static constexpr uint32_t kMissing = 0xAC01; // a syllable the fake font lacks
    std::vector<std::string> lines;
};

class TextTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        Back().Fill(kBackground);
        gTextCache.SetRasterizer(&rasterizer);
        gDisplay.font = MakeFont(4, 600, "Arial");
    }
    void TearDown() override {
        gTextCache.SetRasterizer(nullptr);
        DisplayTest::TearDown();
    }
    static constexpr uint16_t kBackground = 0x0841; // red 1, green 2, blue 1
    FakeRasterizer rasterizer;
};

TEST_F(TextTest, GlyphsTakeTheColourAndTheGapsKeepTheBackground) {
    PutText(425, 195, 6579300, "ab");
    const uint16_t grey = PackColor(100, 100, 100);
    EXPECT_EQ(Back().At(425, 195), grey);
    EXPECT_EQ(Back().At(428, 198), grey);
    EXPECT_EQ(Back().At(427, 195), kBackground);
    EXPECT_EQ(Back().At(430, 195), kBackground);
    EXPECT_EQ(Back().At(425, 199), kBackground);
    const uint16_t half = Back().At(426, 195); // half-way between the background and the grey
    EXPECT_EQ(half >> 11, (1 + 12 + 1) / 2);
    EXPECT_EQ((half >> 5) & 63, (2 + 25 + 1) / 2);
}

TEST_F(TextTest, SameLineIsRenderedOnceAndFormattedTextIsCut) {
    for (int i = 0; i < 3; ++i) PutTextF(0, 0, 0xFFFFFF, "%d/%d", 3, 12);
    EXPECT_EQ(rasterizer.lines, std::vector<std::string>{"3/12"});
    const std::string longText(400, 'x');
    PutTextF(0, 10, 0xFFFFFF, "%s", longText.c_str());
    EXPECT_EQ(rasterizer.lines.back().size(), 255u);
}

TEST_F(TextTest, KoreanBytesAreConvertedAndBadBytesBecomeQuestionMarks) {
    PutFontText(gDisplay.font, 0, 0, 0, "\xc7\xd1 \xff\x80");
    ASSERT_EQ(rasterizer.lines.size(), 1u);
    EXPECT_EQ(rasterizer.lines[0].substr(0, 4), "\xed\x95\x9c ");
    EXPECT_NE(rasterizer.lines[0].find('?'), std::string::npos);
}

// Each draw counts the Hangul syllables of its line, also when the line comes from the cache.
TEST_F(TextTest, HangulDrawnIsCountedPerDraw) {
    const uint64_t before = gHangulGlyphsDrawn;
    PutText(0, 0, 0, "\xc7\xd1\xb1\xdb ab"); // two syllables
    PutText(0, 20, 0, "\xc7\xd1\xb1\xdb ab");
    PutTextF(0, 40, 0, "%d", 7);
    EXPECT_EQ(gHangulGlyphsDrawn - before, 4u);
}

TEST_F(TextTest, MissingGlyphsAreCollectedOnce) {
    std::string missing;
    CollectMissingGlyphs(gDisplay.font,
                         "a\xb0\xa2"
                         "b\xb0\xa2",
                         missing);                                    // U+AC01 twice
    CollectMissingGlyphs(gDisplay.font, "\xb0\xa2\xb0\xa1", missing); // again, and one the font has
    EXPECT_EQ(missing, "\xea\xb0\x81");
    std::string none;
    CollectMissingGlyphs(kNoFont, "\xb0\xa2", none);
    EXPECT_EQ(none, "");
}

TEST_F(TextTest, TextAtTheEdgesIsClipped) {
    PutText(-2, -1, 0xFFFFFF, "abc");
    PutText(638, 478, 0xFFFFFF, "abc");
    EXPECT_EQ(Back().At(1, 0), 0xFFFF);
    EXPECT_EQ(Back().At(638, 478), 0xFFFF);
}

TEST_F(DisplayTest, WithoutARasterizerTextDrawsNothing) {
    gTextCache.SetRasterizer(nullptr);
    Back().Fill(7);
    EXPECT_EQ(MakeFont(16, 600, "Arial"), kNoFont);
    PutText(0, 0, 0xFFFFFF, "abc");
    PutFontTextF(3, 0, 0, 0xFFFFFF, "%d", 5);
    EXPECT_EQ(std::count(Back().Data(), Back().Data() + kScreenWidth * kScreenHeight, 7),
              kScreenWidth * kScreenHeight);
}
} // namespace
