// Text with the machine's fonts: Liberation Sans for "Arial", Comic Neue for "Comic Sans MS", Hangul from
// NanumGothic. Golden coverage pictures live in golden/; ZOR_UPDATE_GOLDEN=1 rewrites them.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "game/gfx/Text.h"
#include "platform/sdl/SdlGlyphRasterizer.h"
#include "tests/gfx/DisplayFixture.h"

namespace {
SdlGlyphRasterizer& Rasterizer() {
    static SdlGlyphRasterizer rasterizer;
    return rasterizer;
}

class FontTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        ASSERT_TRUE(Rasterizer().Ready());
        gTextCache.SetRasterizer(&Rasterizer());
        gDisplay.font = MakeFont(16, 600, "Arial");
        displayFont = MakeFont(32, 600, "Comic Sans MS");
        ASSERT_NE(gDisplay.font, kNoFont);
        ASSERT_NE(displayFont, kNoFont);
    }
    void TearDown() override {
        gTextCache.SetRasterizer(nullptr);
        DisplayTest::TearDown();
    }
    CoverageBitmap Render(FontHandle font, const char* utf8) {
        CoverageBitmap out;
        EXPECT_TRUE(Rasterizer().RenderLine(font, utf8, out));
        return out;
    }
    static int Ink(const CoverageBitmap& c) {
        return int(std::count_if(c.pixels.begin(), c.pixels.end(), [](uint8_t a) { return a > 0; }));
    }
    FontHandle displayFont = kNoFont;
};

TEST_F(FontTest, LinesHaveTheCellHeightOfTheirFont) {
    EXPECT_EQ(Render(gDisplay.font, "Ag").height, 16);
    EXPECT_EQ(Render(displayFont, "PAUSE").height, 32);
    EXPECT_EQ(MakeFont(16, 600, "Arial"), gDisplay.font);
    // A 16-pixel cell of Liberation Sans (ascent + descent 1.117 em) is 14 pixels to the em, as with Arial.
    EXPECT_EQ(Rasterizer().PointSize(gDisplay.font), 14);
}

TEST_F(FontTest, TheDisplayMakesItsOwnDefaultFont) {
    ASSERT_TRUE(DDCreate(presenter, kScreenWidth, kScreenHeight, kScreenDepth));
    EXPECT_NE(gDisplay.font, kNoFont);
    EXPECT_EQ(gDisplay.font, MakeFont(20, 500, "arial"));
}

TEST_F(FontTest, TextChangesOnlyThePixelsUnderItsGlyphs) {
    FillPattern(Back(), 321);
    PixelBuffer before = Back();
    PutText(425, 195, 6579300, "ver 1.9");
    const CoverageBitmap line = Render(gDisplay.font, "ver 1.9");
    ASSERT_GT(line.width, 20);
    int changed = 0;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) {
            const int cx = x - 425, cy = y - 195;
            const bool covered =
                cx >= 0 && cy >= 0 && cx < line.width && cy < line.height && line.At(cx, cy) > 0;
            if (!covered) {
                ASSERT_EQ(Back().At(x, y), before.At(x, y)) << x << "," << y;
            }
            changed += Back().At(x, y) != before.At(x, y);
        }
    EXPECT_GT(changed, 40);
}

TEST_F(FontTest, HangulDrawsDistinctGlyphsNotBoxes) {
    const CoverageBitmap ga = Render(gDisplay.font, "가");
    const CoverageBitmap na = Render(gDisplay.font, "나");
    const CoverageBitmap missing = Render(gDisplay.font, "\xEE\x80\x80"); // a private-use character
    EXPECT_GT(Ink(ga), 20);
    EXPECT_NE(ga.pixels, na.pixels);
    EXPECT_NE(ga.pixels, missing.pixels);
    // Latin and Hangul share the line and its baseline: the mixed line is as wide as its parts.
    const CoverageBitmap mixed = Render(gDisplay.font, "A가");
    EXPECT_EQ(mixed.width, Render(gDisplay.font, "A").width + ga.width);
}

TEST_F(FontTest, KoreanCodePageTextReachesTheBackSurface) {
    Back().Fill(0);
    PutFontText(displayFont, 10, 10, 0xFFFFFF, "\xc7\xd1\xb1\xdb"); // "한글" in code page 949
    int lit = 0;
    for (int y = 10; y < 42; ++y)
        for (int x = 10; x < 80; ++x) lit += Back().At(x, y) == 0xFFFF;
    EXPECT_GT(lit, 30);
}

// A golden coverage picture as a binary PGM.
void WritePgm(const std::string& path, const CoverageBitmap& c) {
    std::ofstream out(path, std::ios::binary);
    out << "P5\n" << c.width << " " << c.height << "\n255\n";
    out.write(reinterpret_cast<const char*>(c.pixels.data()), std::streamsize(c.pixels.size()));
}

bool ReadPgm(const std::string& path, CoverageBitmap& c) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    if (!(in >> magic >> c.width >> c.height >> maxValue) || magic != "P5") return false;
    in.get();
    c.pixels.resize(size_t(c.width) * size_t(c.height));
    return bool(in.read(reinterpret_cast<char*>(c.pixels.data()), std::streamsize(c.pixels.size())));
}

struct GoldenCase {
    const char* file;
    bool displayFont;
    const char* utf8;
};
class FontGolden : public FontTest, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(FontGolden, MatchesTheStoredPicture) {
    const GoldenCase g = GetParam();
    const CoverageBitmap line = Render(g.displayFont ? displayFont : gDisplay.font, g.utf8);
    const std::string path = std::string(ZOR_GOLDEN_DIR) + "/" + g.file;
    const char* update = std::getenv("ZOR_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") WritePgm(path, line);
    CoverageBitmap golden;
    ASSERT_TRUE(ReadPgm(path, golden)) << path;
    EXPECT_EQ(line.width, golden.width);
    EXPECT_EQ(line.height, golden.height);
    EXPECT_TRUE(line.pixels == golden.pixels) << path;
}

INSTANTIATE_TEST_SUITE_P(Lines, FontGolden,
                         ::testing::Values(GoldenCase{"version.pgm", false, "ver 1.9"},
                                           GoldenCase{"file_name.pgm", false, "File Name : 한국 풍경"},
                                           GoldenCase{"pause.pgm", true, "PAUSE"}));
} // namespace
