#include <gtest/gtest.h>

#include "game/control/Random.h"
#include "game/screens/Globals.h"

namespace {
uint32_t Level(uint32_t colour) {
    return colour & 0xFF;
}

void RunIntro(int updates) {
    for (int i = 0; i < updates; ++i) gIntroScene.Message(MsgUpdate, 0, 0);
}

struct IntroCase {
    int updates;
    uint32_t level;
    int page;
};

class IntroFade : public ::testing::TestWithParam<IntroCase> {
  protected:
    void SetUp() override { gIntroScene.Message(MsgEnter, 0, 0); }
};
} // namespace

TEST_P(IntroFade, GreyAndPageAfterUpdates) {
    RunIntro(GetParam().updates);
    EXPECT_EQ(Level(gIntroScene.textColor), GetParam().level);
    EXPECT_EQ(gIntroScene.textColor, GetParam().level * 0x010101u);
    EXPECT_EQ(gIntroScene.page, GetParam().page);
}

// The first group rises to 252, jumps to 255, falls to 3; the second group starts at 0. Past page 27 the
// last two pages alternate.
INSTANTIATE_TEST_SUITE_P(Updates, IntroFade,
                         ::testing::Values(IntroCase{1, 4, 0}, IntroCase{63, 252, 0}, IntroCase{64, 255, 1},
                                           IntroCase{65, 251, 1}, IntroCase{127, 3, 1}, IntroCase{128, 0, 2},
                                           IntroCase{27 * 64 - 1, 252, 26}, IntroCase{27 * 64, 255, 27},
                                           IntroCase{28 * 64, 0, 26}, IntroCase{29 * 64, 255, 27},
                                           IntroCase{30 * 64, 0, 26}));

TEST(IntroLoop, ClosingGroupStaysForEver) {
    gIntroScene.Message(MsgEnter, 0, 0);
    RunIntro(26 * 64);
    for (int i = 0; i < 10 * 64; ++i) {
        gIntroScene.Message(MsgUpdate, 0, 0);
        ASSERT_EQ(gIntroScene.page / 2, 13) << i;
    }
    EXPECT_EQ(gIntroScene.Message(MsgUpdate, 0, 0), 1); // never ends by itself
}

namespace {
struct Place {
    int x, y;
};
Place NextPlace() {
    const int x = GameRand() % 250;
    return {x, 90 + GameRand() % 360};
}
} // namespace

TEST(EndingCredits, FirstLineStaysWhereEnteredSecondMovesToANewPlace) {
    constexpr uint32_t kSeed = 1234;
    SeedRandom(kSeed);
    const Place first = NextPlace(), second = NextPlace();
    SeedRandom(kSeed);
    gEndingScene.Message(MsgEnter, 0, 0);
    for (int i = 0; i < 127; ++i) {
        gEndingScene.Message(MsgUpdate, 0, 0);
        ASSERT_EQ(gEndingScene.textX, first.x);
        ASSERT_EQ(gEndingScene.textY, first.y);
    }
    EXPECT_EQ(gEndingScene.step, 1);
    gEndingScene.Message(MsgUpdate, 0, 0);
    EXPECT_EQ(gEndingScene.step, 2);
    EXPECT_EQ(gEndingScene.textX, second.x);
    EXPECT_EQ(gEndingScene.textY, second.y);
    EXPECT_EQ(gEndingScene.textColor, 0u);
}

TEST(EndingCredits, PlacesStayOnScreenAndTheCreditsStartOver) {
    SeedRandom(99);
    gEndingScene.Message(MsgEnter, 0, 0);
    for (int i = 1; i <= 2 * 44 * 64; ++i) {
        gEndingScene.Message(MsgUpdate, 0, 0);
        ASSERT_GE(gEndingScene.textX, 0);
        ASSERT_LE(gEndingScene.textX, 249);
        ASSERT_GE(gEndingScene.textY, 90);
        ASSERT_LE(gEndingScene.textY, 449);
        if (i == 44 * 64 - 1) {
            EXPECT_EQ(gEndingScene.step, 43);
        }
        if (i == 44 * 64) {
            EXPECT_EQ(gEndingScene.step, 0);
        }
    }
}

namespace {
struct TvCase {
    int updates;
    int phase, strip, cell;
};
class TvPhases : public ::testing::TestWithParam<TvCase> {};
} // namespace

TEST_P(TvPhases, StateAfterUpdates) {
    TvAnimation tv;
    for (int i = 0; i < GetParam().updates; ++i) tv.Step();
    EXPECT_EQ(tv.phase, GetParam().phase);
    EXPECT_EQ(tv.strip, GetParam().strip);
    EXPECT_EQ(tv.cell, GetParam().cell);
}

// Switch-on every 8 frames to cell 3 (32 frames), 26 frames of flicker 4/5, then pictures every 40 frames:
// cells 6-7, the second strip's 0-7, cells 8-9, and the cycle starts again after 538 frames.
INSTANTIATE_TEST_SUITE_P(Frames, TvPhases,
                         ::testing::Values(TvCase{7, 0, 0, 0}, TvCase{8, 0, 0, 1}, TvCase{31, 0, 0, 3},
                                           TvCase{32, 1, 0, 3}, TvCase{33, 1, 0, 4}, TvCase{34, 1, 0, 5},
                                           TvCase{57, 1, 0, 4}, TvCase{58, 2, 0, 6}, TvCase{98, 2, 0, 7},
                                           TvCase{137, 2, 0, 7}, TvCase{138, 3, 1, 0}, TvCase{418, 3, 1, 7},
                                           TvCase{458, 4, 0, 8}, TvCase{498, 4, 0, 9}, TvCase{537, 4, 0, 9},
                                           TvCase{538, 0, 0, 0}, TvCase{538 + 8, 0, 0, 1}));
