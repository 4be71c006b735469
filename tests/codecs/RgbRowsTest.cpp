#include "codecs/RgbRows.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace {
TEST(RgbRows, AlignPadsEachRowToFourBytes) {
    std::vector<uint8_t> packed(18); // 3 x 2 pixels
    std::iota(packed.begin(), packed.end(), 1);
    uint32_t rowBytes = 0;
    auto aligned = AlignRows(packed.data(), 3, 2, rowBytes);
    ASSERT_NE(aligned, nullptr);
    EXPECT_EQ(rowBytes, 12u);
    EXPECT_TRUE(std::equal(packed.begin(), packed.begin() + 9, aligned.get()));
    EXPECT_TRUE(std::equal(packed.begin() + 9, packed.end(), aligned.get() + 12));
    EXPECT_EQ(packed[0], 1); // the source is untouched
    EXPECT_NE(AlignRows(packed.data(), 3, 0, rowBytes), nullptr);
    EXPECT_EQ(AlignRows(nullptr, 3, 2, rowBytes), nullptr);
}

TEST(RgbRows, RowBytesFollowTheDibRule) {
    EXPECT_EQ(DibRowBytes(1), 4u);
    EXPECT_EQ(DibRowBytes(4), 12u);
    EXPECT_EQ(DibRowBytes(5), 16u);
    EXPECT_EQ(DibRowBytes(640), 1920u);
}

// Rows of two bytes each, numbered by their first byte.
struct FlipCase {
    uint32_t rows;
    std::vector<uint8_t> expected;
};
class FlipRowsTest : public ::testing::TestWithParam<FlipCase> {};

TEST_P(FlipRowsTest, ReversesRowOrder) {
    std::vector<uint8_t> buffer;
    for (uint32_t i = 0; i < GetParam().rows; ++i)
        buffer.insert(buffer.end(), {uint8_t(i), uint8_t(100 + i)});
    EXPECT_EQ(FlipRows(buffer.data(), 2, GetParam().rows), 1);
    std::vector<uint8_t> firsts;
    for (size_t i = 0; i < buffer.size(); i += 2) firsts.push_back(buffer[i]);
    EXPECT_EQ(firsts, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, FlipRowsTest,
                         ::testing::Values(FlipCase{1, {0}}, FlipCase{2, {1, 0}}, FlipCase{3, {2, 1, 0}},
                                           FlipCase{4, {3, 2, 1, 0}}));

TEST(RgbRows, NullBuffersFail) {
    EXPECT_EQ(FlipRows(nullptr, 4, 2), 0);
    EXPECT_EQ(SwapRedBlue(nullptr, 1, 1), 0);
}

TEST(RgbRows, SwapRedBlueExchangesFirstAndThirdByte) {
    std::vector<uint8_t> pixels{1, 2, 3, 4, 5, 6};
    EXPECT_EQ(SwapRedBlue(pixels.data(), 2, 1), 1);
    EXPECT_EQ(pixels, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4}));
}

TEST(RgbRows, GrayRowBecomesEqualTriples) {
    const uint8_t gray[2] = {7, 200};
    std::vector<uint8_t> out(12, 0);
    ExpandGrayRow(gray, 2, out.data(), 1);
    EXPECT_EQ(out, (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 7, 7, 7, 200, 200, 200}));
}
} // namespace
