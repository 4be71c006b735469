#include <cmath>

#include "game/control/Globals.h"
#include "tests/gfx/DisplayFixture.h"

namespace {
class FadeLayout : public ::testing::TestWithParam<PixelLayout> {
  protected:
    void SetUp() override { FillFadeTables(tables, ConversionFor(GetParam())); }
    uint16_t Entry(int k, uint32_t v) const { return tables[size_t(k) * kFadeValues + v]; }
    std::vector<uint16_t> tables;
};

TEST_P(FadeLayout, TopLevelIsIdentityAndLevelZeroIsBlack) {
    for (uint32_t v = 0; v < kFadeValues; ++v) {
        ASSERT_EQ(Entry(kFadeTopLevel, v), v) << v;
        ASSERT_EQ(Entry(0, v), 0) << v;
    }
}

TEST_P(FadeLayout, EveryEntryScalesEachComponentAndTruncates) {
    const PixelConversion pc = ConversionFor(GetParam());
    for (int k = 0; k < kFadeLevels; ++k) {
        const double f = kFadeFactors[k];
        for (uint32_t v = 0; v < kFadeValues; ++v) {
            const uint32_t red = v >> pc.redShift;
            const uint32_t green = (v & pc.greenMask) >> pc.greenShift;
            const uint32_t blue = v & pc.blueMask;
            const auto expected = static_cast<uint16_t>((uint32_t(std::trunc(f * green)) << pc.greenShift) |
                                                        (uint32_t(std::trunc(f * red)) << pc.redShift) |
                                                        uint32_t(std::trunc(f * blue)));
            ASSERT_EQ(Entry(k, v), expected) << "level " << k << " value " << v;
        }
    }
}

TEST_P(FadeLayout, ComplementaryLevelsNeverCarryBetweenComponents) {
    const PixelConversion pc = ConversionFor(GetParam());
    const uint32_t redField = 0xFFFFu >> pc.redShift << pc.redShift; // red is every bit above its shift
    const uint32_t masks[] = {redField, pc.greenMask, pc.blueMask};
    for (int k = 0; k < kFadeLevels; ++k)
        for (uint32_t v = 0; v < kFadeValues; v += 3) {
            const uint32_t sum = Entry(kFadeTopLevel - k, v) + Entry(k, v);
            for (uint32_t m : masks) ASSERT_LE(sum & m, v & m) << k << " " << v;
            ASSERT_LE(sum, 0xFFFFu);
        }
}

INSTANTIATE_TEST_SUITE_P(Layouts, FadeLayout, ::testing::Values(PixelLayout::Rgb565, PixelLayout::Rgb555));

TEST(FadeTables, HalfLevelOfWhite565) {
    std::vector<uint16_t> tables;
    FillFadeTables(tables, ConversionFor(PixelLayout::Rgb565));
    EXPECT_EQ(tables[size_t(15) * kFadeValues + 0xFFFF], (15 << 11) | (30 << 5) | 15);
}

TEST(FadeTables, FactorsOfComplementaryLevelsAddToOne) {
    for (int k = 0; k < kFadeLevels; ++k)
        EXPECT_NEAR(kFadeFactors[k] + kFadeFactors[kFadeTopLevel - k], 1.0, 1e-12) << k;
}

class CrossFadeTest : public DisplayTest {
  protected:
    uint16_t Mixed(int step, uint16_t a, uint16_t b) const {
        return static_cast<uint16_t>(gFadeTables.Level(kFadeTopLevel - 2 * step)[a] +
                                     gFadeTables.Level(2 * step)[b]);
    }
};

TEST_F(CrossFadeTest, ShowsSixteenStepsFromTheOldScreenExactly) {
    PixelBuffer oldScreen(kScreenWidth, kScreenHeight), newScreen(kScreenWidth, kScreenHeight);
    FillPattern(oldScreen, 3);
    FillPattern(newScreen, 40000);
    CaptureOld(oldScreen);
    CaptureNew(newScreen);
    EXPECT_EQ(CrossFade(nullptr, nullptr), 0);
    ASSERT_EQ(presenter.frames.size(), size_t(kCrossFadeSteps));
    const std::vector<uint16_t> old(oldScreen.Data(), oldScreen.Data() + kScreenWidth * kScreenHeight);
    EXPECT_TRUE(presenter.frames[0] == old);
    for (int s = 1; s < kCrossFadeSteps; ++s) {
        const size_t i = size_t(s) * 4099 % old.size();
        EXPECT_EQ(presenter.frames[size_t(s)][i], Mixed(s, oldScreen.Data()[i], newScreen.Data()[i])) << s;
    }
    EXPECT_EQ(presenter.frames.back()[123], Mixed(15, oldScreen.Data()[123], newScreen.Data()[123]));
}

TEST_F(CrossFadeTest, CopiesGivenScreensFirst) {
    PixelBuffer oldScreen(kScreenWidth, kScreenHeight), newScreen(kScreenWidth, kScreenHeight);
    oldScreen.Fill(0xFFFF);
    newScreen.Fill(0x0000);
    CrossFade(&oldScreen, &newScreen);
    ASSERT_EQ(presenter.frames.size(), size_t(kCrossFadeSteps));
    EXPECT_EQ(presenter.frames[15][0], gFadeTables.Level(1)[0xFFFF]);
}

TEST_F(CrossFadeTest, SurfacesLostAtAStepAreReportedByTheNextFlipOnce) {
    presenter.lostAt = 3;
    CrossFade(nullptr, nullptr);
    EXPECT_FALSE(DDFlip());
    EXPECT_TRUE(DDFlip());
    presenter.lostAt = presenter.frames.size(); // lost at a flip itself
    EXPECT_FALSE(DDFlip());
    EXPECT_TRUE(DDFlip());
}

TEST_F(CrossFadeTest, ScreenChangeCapturesTheBackSurfaceAndFadesOnScreen) {
    FillPattern(Back(), 77);
    const std::vector<uint16_t> before(Back().Data(), Back().Data() + kScreenWidth * kScreenHeight);
    gController.ScreenChange(ModeTitle);
    ASSERT_EQ(presenter.frames.size(), size_t(kCrossFadeSteps));
    EXPECT_TRUE(presenter.frames[0] == before);
    EXPECT_TRUE(gDisplay.lowDDFront->At(5, 5) == presenter.frames.back()[5 * kScreenWidth + 5]);
}

class BlendCellTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        FillPattern(Back(), 500);
        std::copy(Back().Data(), Back().Data() + kScreenWidth * kScreenHeight, before.begin());
    }
    uint16_t Before(int x, int y) const { return before[size_t(y) * kScreenWidth + size_t(x)]; }
    std::vector<uint16_t> before = std::vector<uint16_t>(size_t(kScreenWidth) * kScreenHeight);
};

TEST_F(BlendCellTest, AllKeyCellInModeOneChangesNothing) {
    Surface empty = MakeSprite(20, 10, 20, 10, [](int, int) { return uint16_t(0); });
    empty.BlendCell(100, 100, 0, 1, 15);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), Back().Data()));
}

TEST_F(BlendCellTest, CellAboveTheTopBlendsOnlyTheVisibleRows) {
    constexpr int kCellH = 10, y = -4;
    Surface cell =
        MakeSprite(24, kCellH, 12, kCellH, [](int x, int) { return uint16_t(x < 12 ? 0xF800 : 0x07FF); });
    cell.BlendCell(50, y, 1, 0, 15);
    for (int row = 0; row < 12; ++row)
        for (int x = 48; x < 64; ++x) {
            const bool inside = row <= y + kCellH - 1 && x >= 50 && x < 62;
            const uint16_t expected =
                inside ? uint16_t(gFadeTables.Level(16)[Before(x, row)] + gFadeTables.Level(15)[0x07FF])
                       : Before(x, row);
            ASSERT_EQ(Back().At(x, row), expected) << x << "," << row;
        }
    EXPECT_EQ(gFadeTables.blendRect, (Rect{50, 0, 62, 6}));
}

TEST_F(BlendCellTest, ModeOneSkipsKeyPixelsAndModeZeroBlendsThem) {
    Surface cell = MakeSprite(2, 1, 2, 1, [](int x, int) { return uint16_t(x == 0 ? 0 : 0xFFFF); });
    cell.BlendCell(0, 0, 0, 1, 31);
    EXPECT_EQ(Back().At(0, 0), Before(0, 0));
    EXPECT_EQ(Back().At(1, 0), 0xFFFF);
    cell.BlendCell(0, 1, 0, 0, 31);
    EXPECT_EQ(Back().At(0, 1), 0);
}

TEST_F(BlendCellTest, LevelZeroLeavesTheBackAndNothingSpoilsTheCapturedOldScreen) {
    PixelBuffer oldScreen(kScreenWidth, kScreenHeight);
    FillPattern(oldScreen, 9);
    CaptureOld(oldScreen);
    Surface cell = MakeSprite(70, 59, 70, 59, [](int, int) { return uint16_t(0xABCD); });
    cell.BlendCell(10, 10, 0, 0, 0);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), Back().Data()));
    cell.BlendCell(10, 10, 0, 0, 20);
    EXPECT_TRUE(std::equal(oldScreen.Data(), oldScreen.Data() + kScreenWidth * kScreenHeight,
                           gFadeTables.workA->Data()));
}
} // namespace
