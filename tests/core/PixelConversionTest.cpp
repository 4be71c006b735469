#include <gtest/gtest.h>

#include "game/gfx/PixelConversion.h"

struct PackCase {
    PixelLayout layout;
    uint32_t r, g, b;
    uint16_t expected;
};

class PackColorTest : public ::testing::TestWithParam<PackCase> {};

TEST_P(PackColorTest, PacksTruncatingEachComponent) {
    const PackCase& c = GetParam();
    EXPECT_EQ(PackColorWith(ConversionFor(c.layout), c.r, c.g, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PackColorTest,
    ::testing::Values(
        PackCase{PixelLayout::Rgb565, 0, 0, 0, 0}, PackCase{PixelLayout::Rgb555, 0, 0, 0, 0},
        // every component below its divisor: transparent black in both layouts
        PackCase{PixelLayout::Rgb565, 7, 3, 7, 0}, PackCase{PixelLayout::Rgb555, 7, 7, 7, 0},
        PackCase{PixelLayout::Rgb555, 7, 3, 7, 0}, PackCase{PixelLayout::Rgb565, 255, 255, 255, 0xFFFF},
        PackCase{PixelLayout::Rgb555, 255, 255, 255, 0x7FFF}, PackCase{PixelLayout::Rgb565, 8, 0, 0, 0x0800},
        PackCase{PixelLayout::Rgb565, 0, 4, 0, 0x0020}, PackCase{PixelLayout::Rgb555, 0, 4, 0, 0},
        PackCase{PixelLayout::Rgb555, 0, 8, 0, 0x0020}, PackCase{PixelLayout::Rgb565, 0, 0, 8, 1}));

struct FormatCase {
    const char* name;
    PixelFormatDescription desc;
    bool ok;
    int depth;
    PixelLayout layout;
};

class GetRGBFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(GetRGBFormatTest, ClassifiesTheSurfaceFormat) {
    const FormatCase& c = GetParam();
    PixelFormat format;
    const bool ok = GetRGBFormat(c.desc, format);
    EXPECT_EQ(ok, c.ok);
    EXPECT_EQ(format.bitDepth, c.depth);
    EXPECT_EQ(LayoutForFormat(ok, format), c.layout);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, GetRGBFormatTest,
    ::testing::Values(
        FormatCase{"rgb565", {true, true, 16, 0xF800, 0x07E0, 0x001F}, true, 16, PixelLayout::Rgb565},
        FormatCase{"rgb555", {true, true, 16, 0x7C00, 0x03E0, 0x001F}, true, 15, PixelLayout::Rgb555},
        // another sixteen-bit layout (4-4-4 with alpha bits): not 31+31+31, so the 565 parameters
        FormatCase{"rgb444", {true, true, 16, 0x0F00, 0x00F0, 0x000F}, true, 16, PixelLayout::Rgb565},
        FormatCase{"bgr565", {true, true, 16, 0x001F, 0x07E0, 0xF800}, true, 16, PixelLayout::Rgb565},
        FormatCase{"rgb24", {true, true, 24, 0xFF0000, 0xFF00, 0xFF}, true, 24, PixelLayout::Rgb565},
        FormatCase{"rgb32", {true, true, 32, 0xFF0000, 0xFF00, 0xFF}, true, 32, PixelLayout::Rgb565},
        FormatCase{"palette8", {true, true, 8, 0, 0, 0}, true, 8, PixelLayout::Rgb565},
        FormatCase{"odd depth", {true, true, 12, 0xF00, 0xF0, 0xF}, true, 0, PixelLayout::Rgb565},
        FormatCase{"not rgb", {true, false, 16, 0x7C00, 0x03E0, 0x1F}, false, 0, PixelLayout::Rgb565},
        FormatCase{"unreadable", {false, true, 16, 0x7C00, 0x03E0, 0x1F}, false, 0, PixelLayout::Rgb565}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST(GetRGBFormat, ReportsMaximaAndShiftsOf565) {
    PixelFormat f;
    ASSERT_TRUE(GetRGBFormat({true, true, 16, 0xF800, 0x07E0, 0x001F}, f));
    EXPECT_EQ(f.redMax, 31);
    EXPECT_EQ(f.greenMax, 63);
    EXPECT_EQ(f.blueMax, 31);
    EXPECT_EQ(f.redShift, 11);
    EXPECT_EQ(f.greenShift, 5);
    EXPECT_EQ(f.blueShift, 0);
}
