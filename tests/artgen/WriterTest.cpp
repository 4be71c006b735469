// The picture writers and the quantiser, checked by reading their files back with the game's loaders.
#include <gtest/gtest.h>

#include "game/gfx/Globals.h"
#include "game/gfx/PixelConversion.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Surface.h"
#include "tests/support/MessageLog.h"
#include "tests/support/TestFiles.h"
#include "tools/artgen/PixelRules.h"
#include "tools/artgen/Quantize.h"
#include "tools/artgen/Writers.h"

namespace {

IndexedImage Indexed(int w, int h) {
    IndexedImage image;
    image.width = w;
    image.height = h;
    image.palette.assign(256, Rgba{});
    for (int i = 0; i < 256; ++i)
        image.palette[i] = Rgba{uint8_t(i), uint8_t(255 - i), uint8_t(i / 2 + 8), 255};
    image.indices.resize(size_t(w) * h);
    return image;
}

uint16_t Packed(const Rgba& c) {
    return PackColor(c.r, c.g, c.b);
}

class WriterTest : public ::testing::Test {
  protected:
    void SetUp() override { SetErrorSink(&log); }
    void TearDown() override { SetErrorSink(nullptr); }
    TempDir dir;
    MessageLog log;
};

TEST_F(WriterTest, Bmp8WithOddWidthDecodesThroughTheLengthDerivedPadding) {
    IndexedImage image = Indexed(3, 2);
    image.indices = {1, 2, 3, 200, 201, 255};
    const std::vector<uint8_t> bytes = Writers::Bmp8(image);
    EXPECT_EQ(bytes.size(), 14u + 40u + 1024u + 2u * 4u); // each 3-byte row padded to 4, nothing after
    Surface s;
    ASSERT_TRUE(s.LowLoadBmpBit(nullptr, dir.Write("a.bmp", bytes).c_str(), 0, 0));
    ASSERT_EQ(s.width, 3);
    ASSERT_EQ(s.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(s.surface->At(x, y), Packed(image.palette[image.indices[y * 3 + x]])) << x << "," << y;
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(WriterTest, Bmp24RowsAreBottomUpAndPadded) {
    Image image(3, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) image.At(x, y) = Rgba{uint8_t(40 * x + 8), uint8_t(60 * y + 8), 99, 255};
    const std::vector<uint8_t> bytes = Writers::Bmp24(image);
    EXPECT_EQ(bytes.size(), 54u + 3u * 12u);
    Surface s;
    ASSERT_TRUE(s.LowLoadBmpBit(nullptr, dir.Write("b.bmp", bytes).c_str(), 0, 0));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(s.surface->At(x, y), Packed(image.At(x, y))) << x << "," << y;
}

TEST_F(WriterTest, PcxRunsStopAtRowEndsAndLiteralHighValuesAreEscaped) {
    // 130 equal pixels need three runs (63 + 63 + 4); values of 192 and above must be written as runs.
    IndexedImage image = Indexed(130, 3);
    for (int x = 0; x < 130; ++x) {
        image.indices[x] = 7;
        image.indices[130 + x] = uint8_t(192 + x % 64);
        image.indices[260 + x] = uint8_t(x < 65 ? 250 : 3);
    }
    Surface s;
    ASSERT_TRUE(s.LoadPcx256(nullptr, dir.Write("c.pcx", Writers::Pcx256(image)).c_str(), 0, 0));
    ASSERT_EQ(s.width, 130);
    ASSERT_EQ(s.height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 130; ++x)
            ASSERT_EQ(s.surface->At(x, y), Packed(image.palette[image.indices[y * 130 + x]]))
                << x << "," << y;
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(WriterTest, PcxOfOddWidthIsPaddedToAnEvenLine) {
    IndexedImage image = Indexed(5, 1);
    const std::vector<uint8_t> bytes = Writers::Pcx256(image);
    EXPECT_EQ(bytes[66] | bytes[67] << 8, 6);
}

// Transparency: transparent pixels must come out exactly 0, opaque ones never, whatever the layout.
struct LiftCase {
    Rgba in;
    bool transparent;
};

class PixelRuleTest : public ::testing::TestWithParam<LiftCase> {};

TEST_P(PixelRuleTest, SettledColoursKeepTheKeyOnlyForTransparentPixels) {
    Image image(1, 1);
    image.At(0, 0) = GetParam().in;
    PixelRules::Settle(image);
    const Rgba& c = image.At(0, 0);
    for (PixelLayout layout : {PixelLayout::Rgb565, PixelLayout::Rgb555}) {
        const uint16_t packed = PackColorWith(ConversionFor(layout), c.r, c.g, c.b);
        if (GetParam().transparent)
            EXPECT_EQ(packed, 0);
        else
            EXPECT_NE(packed, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Colours, PixelRuleTest,
                         ::testing::Values(LiftCase{{0, 0, 0, 255}, false}, LiftCase{{7, 3, 7, 255}, false},
                                           LiftCase{{0, 0, 3, 255}, false}, LiftCase{{0, 7, 0, 200}, false},
                                           LiftCase{{200, 100, 50, 127}, true},
                                           LiftCase{{255, 255, 255, 0}, true},
                                           LiftCase{{8, 0, 0, 255}, false}));

TEST(QuantizeTest, ManyColoursWithTransparencyKeepTheKeyRules) {
    // A gradient of far more than 256 colours, very dark opaque pixels and a transparent border.
    Image image(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.At(x, y) = Rgba{uint8_t(x * 4), uint8_t(y * 4), uint8_t((x + y) % 7), 255};
    for (int i = 0; i < 64; ++i) image.At(i, 0) = image.At(0, i) = Rgba{};
    PixelRules::Settle(image);
    const IndexedImage out = Quantize(image, 0.8f);
    ASSERT_EQ(out.palette.size(), 256u);
    for (PixelLayout layout : {PixelLayout::Rgb565, PixelLayout::Rgb555}) {
        const PixelConversion pc = ConversionFor(layout);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const Rgba& c = out.palette[out.indices[y * 64 + x]];
                const bool transparent = x == 0 || y == 0;
                EXPECT_EQ(PackColorWith(pc, c.r, c.g, c.b) == 0, transparent) << x << "," << y;
            }
    }
}

} // namespace
