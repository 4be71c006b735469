#include "game/gfx/Lines.h"
#include "game/gfx/PixelCopy.h"
#include "game/gfx/SpriteRegion.h"
#include "tests/gfx/DisplayFixture.h"

namespace {
uint16_t SourceValue(int x, int y) {
    return static_cast<uint16_t>(1000 + x + 100 * y);
}

class BlitTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        Back().Fill(kBackground);
        sprite = MakeSprite(100, 20, 50, 20, SourceValue); // two 50x20 cells
    }
    static constexpr uint16_t kBackground = 0x1234;
    Surface sprite;
};

TEST_F(BlitTest, ClippedCellAtMinusTenDrawsColumnsTenOnwardsAtZero) {
    EXPECT_EQ(sprite.BltCellClipped(-10, 5, 1, false, Back()), kBltOk);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(Back().At(x, 5 + y), SourceValue(50 + 10 + x, y)) << x << "," << y;
        ASSERT_EQ(Back().At(40, 5 + y), kBackground);
    }
    EXPECT_EQ(Back().At(0, 4), kBackground);
    EXPECT_EQ(Back().At(0, 25), kBackground);
}

TEST_F(BlitTest, ClippedCellClipsRightAndBottomAndSkipsInvisible) {
    EXPECT_EQ(sprite.BltCellClipped(630, 470, 0, false, Back()), kBltOk);
    EXPECT_EQ(Back().At(639, 479), SourceValue(9, 9));
    EXPECT_EQ(Back().At(629, 479), kBackground);
    EXPECT_EQ(sprite.BltCellClipped(700, 0, 0, false, Back()), kBltOk);
    EXPECT_EQ(sprite.BltCellClipped(-60, 0, 0, false, Back()), kBltOk);
    EXPECT_FALSE(sprite.ClipCell(0, -30));
}

struct PlacementCase {
    int x, y;
    bool drawn;
};
class BltCellPlacement : public BlitTest, public ::testing::WithParamInterface<PlacementCase> {};

TEST_P(BltCellPlacement, DrawsOnlyCellsThatFitEntirely) {
    const PlacementCase c = GetParam();
    const int result = sprite.BltCell(c.x, c.y, 0, false, Back());
    EXPECT_EQ(result == kBltOk, c.drawn);
    int changed = 0;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) changed += Back().At(x, y) != kBackground;
    EXPECT_EQ(changed, c.drawn ? 50 * 20 : 0);
}

INSTANTIATE_TEST_SUITE_P(Edges, BltCellPlacement,
                         ::testing::Values(PlacementCase{0, 0, true}, PlacementCase{590, 460, true},
                                           PlacementCase{-1, 0, false}, PlacementCase{591, 0, false},
                                           PlacementCase{0, -1, false}, PlacementCase{0, 461, false}));

TEST_F(BlitTest, CellBeyondThePictureIsRefused) {
    EXPECT_NE(sprite.BltCell(0, 0, 2, false, Back()), kBltOk);
    EXPECT_NE(sprite.BltCellClipped(0, 0, 5, false, Back()), kBltOk);
    EXPECT_EQ(Back().At(0, 0), kBackground);
}

TEST_F(BlitTest, KeyedCopyLeavesZeroPixelsOut) {
    Surface keyed = MakeSprite(4, 1, 4, 1, [](int x, int) { return static_cast<uint16_t>(x % 2 ? 0 : 9); });
    keyed.BltCell(10, 10, 0, true, Back());
    EXPECT_EQ(Back().At(10, 10), 9);
    EXPECT_EQ(Back().At(11, 10), kBackground);
    keyed.BltCell(10, 11, 0, false, Back());
    EXPECT_EQ(Back().At(11, 11), 0);
}

// Rows of every width up to past two vector widths, at an odd position, with key pixels scattered
// through them: each key pixel keeps what lay below, every other pixel is copied.
TEST(KeyedCopy, EveryWidthAndKeyPositionMatchesPixelByPixel) {
    constexpr int kMaxWidth = 40, kUnder = 0x5555;
    PixelBuffer source(kMaxWidth, 1);
    for (int x = 0; x < kMaxWidth; ++x)
        source.At(x, 0) = x * 7 % 5 == 0 ? 0 : static_cast<uint16_t>(0x8000 + x);
    for (int w = 1; w <= kMaxWidth; ++w) {
        PixelBuffer dest(kMaxWidth + 8, 1);
        dest.Fill(kUnder);
        ASSERT_EQ(CopyPixels(source, {0, 0, w, 1}, dest, 3, 0, true), kBltOk);
        for (int x = 0; x < dest.Width(); ++x) {
            const bool copied = x >= 3 && x < 3 + w && source.At(x - 3, 0) != 0;
            ASSERT_EQ(dest.At(x, 0), copied ? source.At(x - 3, 0) : kUnder) << "width " << w << " x " << x;
        }
    }
}

TEST_F(BlitTest, StretchSamplesNearestPixelCentres) {
    Surface strip = MakeSprite(4, 1, 4, 1, [](int x, int) { return static_cast<uint16_t>(x + 1); });
    EXPECT_EQ(strip.StretchRect({0, 0, 8, 2}, {0, 0, 4, 1}, false, Back()), kBltOk);
    const uint16_t up[8] = {1, 1, 2, 2, 3, 3, 4, 4};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(Back().At(x, 1), up[x]) << x;
    EXPECT_EQ(strip.StretchCell({0, 5, 2, 6}, 0, false, Back()), kBltOk);
    EXPECT_EQ(Back().At(0, 5), 2);
    EXPECT_EQ(Back().At(1, 5), 4);
}

TEST_F(BlitTest, StretchIntoEmptyOrOutsideRectangleDrawsNothing) {
    EXPECT_NE(sprite.StretchRect({220, 435, 220, 445}, {0, 0, 10, 10}, true, Back()), kBltOk);
    EXPECT_NE(sprite.StretchRect({630, 0, 650, 10}, {0, 0, 10, 10}, true, Back()), kBltOk);
    EXPECT_NE(sprite.StretchRect({0, 0, 10, 10}, {90, 0, 110, 10}, true, Back()), kBltOk);
    EXPECT_EQ(Back().At(630, 0), kBackground);
    EXPECT_EQ(Back().At(0, 0), kBackground);
}

TEST_F(BlitTest, SpriteRegionDrawsItsPartOneToOne) {
    SpriteRegion region;
    region.Set(&sprite, 11, 2, 20, 3);
    EXPECT_EQ(region.DrawRegionAt(100, 200, false), kBltOk);
    EXPECT_EQ(Back().At(100, 200), SourceValue(11, 2));
    EXPECT_EQ(Back().At(119, 202), SourceValue(30, 4));
    EXPECT_EQ(Back().At(120, 200), kBackground);
    EXPECT_EQ(region.DrawRegionInto({0, 0, 40, 3}, false), kBltOk);
    EXPECT_EQ(Back().At(39, 0), SourceValue(30, 2));
}

class LineTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        Back().Fill(0);
        int pitch = 0;
        DDLock(gDisplay.lowDDBack.get(), pitch);
    }
    void TearDown() override {
        DDUnlock(gDisplay.lowDDBack.get());
        DisplayTest::TearDown();
    }
    // The columns (or rows) of the pixels set along one row (column).
    std::vector<int> SetAlongRow(int y) {
        std::vector<int> out;
        for (int x = 0; x < kScreenWidth; ++x)
            if (Back().At(x, y)) out.push_back(x);
        return out;
    }
};

struct HLineCase {
    int x, y, length, first, last; // first > last: nothing drawn
};
class HLineClip : public LineTest, public ::testing::WithParamInterface<HLineCase> {};

TEST_P(HLineClip, ClipsToTheScreen) {
    const HLineCase c = GetParam();
    DrawHLine(c.x, c.y, c.length, 0xFFFF);
    const int row = std::clamp(c.y, 0, kScreenHeight - 1);
    std::vector<int> expected;
    for (int x = c.first; x <= c.last; ++x) expected.push_back(x);
    EXPECT_EQ(SetAlongRow(row), expected);
}

INSTANTIATE_TEST_SUITE_P(Edges, HLineClip,
                         ::testing::Values(HLineCase{-5, 3, 10, 0, 4}, HLineCase{635, 3, 10, 635, 639},
                                           HLineCase{-10, 3, 10, 1, 0}, HLineCase{640, 3, 5, 1, 0},
                                           HLineCase{0, -1, 5, 1, 0}, HLineCase{0, 480, 5, 1, 0},
                                           HLineCase{2, 3, 0, 1, 0}));

TEST_F(LineTest, VLineClipsAtTheTop) {
    DrawVLine(7, -3, 5, 0xFFFF);
    EXPECT_EQ(Back().At(7, 0), 0xFFFF);
    EXPECT_EQ(Back().At(7, 1), 0xFFFF);
    EXPECT_EQ(Back().At(7, 2), 0);
}

TEST_F(LineTest, FrameOfTheWholeScreenOutlinesEveryEdgePixel) {
    DrawFrameRect(0, 0, kScreenWidth, kScreenHeight, 0xF800);
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) {
            const bool edge = x == 0 || y == 0 || x == kScreenWidth - 1 || y == kScreenHeight - 1;
            ASSERT_EQ(Back().At(x, y), edge ? 0xF800 : 0) << x << "," << y;
        }
}

TEST_F(LineTest, LinesStayInsideASmallerLockedSurface) {
    PixelBuffer small(8, 4);
    int pitch = 0;
    DDLock(&small, pitch);
    DrawHLine(0, 3, 100, 5);
    DrawVLine(7, 0, 100, 5);
    DrawHLine(0, 10, 4, 5);
    EXPECT_EQ(small.At(7, 3), 5);
    EXPECT_EQ(small.At(0, 3), 5);
    EXPECT_EQ(Back().At(0, 10), 0);
}
} // namespace
