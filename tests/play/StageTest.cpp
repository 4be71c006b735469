#include <gtest/gtest.h>

#include <vector>

#include "game/control/Globals.h"
#include "game/control/Random.h"
#include "game/play/Globals.h"
#include "game/play/Stage.h"
#include "game/screens/Globals.h"
#include "game/shell/Globals.h"

namespace {
// A stage in search with the given gauge and stage number; differences in the top-left corner.
class StageStepTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gController.timeGauge = CGameController::kStageTimeGauge;
        gController.stageNumber = 1;
        gController.stageTotal = 30;
        gController.penaltiesCharged = 0;
        gController.singlePack = 0;
        gDifferenceMap = CDifferenceMap{};
        for (int k = 0; k < CDifferenceMap::kDifferences; ++k)
            gDifferenceMap.rects[k] = {k * 20, 0, k * 20 + 10, 10};
        gStageBanner.state = CStageBanner::Hidden;
        gPlayer1Pen.lives = 10;
        gPlayer1Pen.kind = PenPlayer1;
        gPlayer2Pen.lives = 10;
        gPlayer2Pen.kind = PenPlayer2;
        gSparkList.Empty();
    }
    void FindAll() {
        for (int& f : gDifferenceMap.finders) f = 1;
    }
};
} // namespace

struct DrainCase {
    int stage;
    int perFrame;
};

class SearchDrainTest : public StageStepTest, public ::testing::WithParamInterface<DrainCase> {};

TEST_P(SearchDrainTest, GaugeFallsByTenPlusStageOverTwenty) {
    gController.stageNumber = GetParam().stage;
    StageStep();
    EXPECT_EQ(gController.timeGauge, CGameController::kStageTimeGauge - GetParam().perFrame);
}

INSTANTIATE_TEST_SUITE_P(Stages, SearchDrainTest,
                         ::testing::Values(DrainCase{1, 10}, DrainCase{40, 12}, DrainCase{400, 30}));

TEST_F(StageStepTest, StageOneLastsTwoThousandFrames) {
    int frames = 0;
    while (gController.timeGauge > 0) {
        StageStep();
        ++frames;
    }
    EXPECT_EQ(frames, 2000);
}

TEST_F(StageStepTest, ClearDrainAfterTheFifthFind) {
    FindAll();
    gController.timeGauge = 12345;
    std::vector<int> gauges;
    for (int i = 0; i < 4; ++i) {
        StageStep();
        gauges.push_back(gController.timeGauge);
    }
    EXPECT_EQ(gauges, (std::vector<int>{11335, 10325, 9315, 8805}));
}

TEST(ClearDrain, StepsDownToZero) {
    EXPECT_EQ(ClearDrainStep(10001), 9001);
    EXPECT_EQ(ClearDrainStep(10000), 9500);
    EXPECT_EQ(ClearDrainStep(1000), 800);
    EXPECT_EQ(ClearDrainStep(500), 480);
    EXPECT_EQ(ClearDrainStep(21), 1);
    EXPECT_EQ(ClearDrainStep(20), 0);
}

TEST_F(StageStepTest, TwoMissedDifferencesChargeAtMinus20AndMinus40AndEndAtMinus60) {
    gDifferenceMap.finders[0] = gDifferenceMap.finders[1] = gDifferenceMap.finders[2] = 1;
    gController.stageTotal = 1; // the stage that ends is the last: the game-over path shows it
    gController.timeGauge = 0;
    StageStep();
    EXPECT_EQ(gDifferenceMap.finders[3], CDifferenceMap::kRevealed);
    EXPECT_EQ(gController.timeGauge, -1);
    std::vector<int> chargedAt;
    while (gStageBanner.state == CStageBanner::Hidden && gController.timeGauge > -100) {
        const int before = gPlayer1Pen.lives;
        const int gauge = gController.timeGauge;
        StageStep();
        if (gPlayer1Pen.lives != before) chargedAt.push_back(gauge);
        if (gStageBanner.state != CStageBanner::Hidden) {
            EXPECT_EQ(gauge, -60);
        }
    }
    EXPECT_EQ(chargedAt, (std::vector<int>{-20, -40}));
    EXPECT_EQ(gPlayer1Pen.lives, 8);
    EXPECT_EQ(gPlayer2Pen.lives, 8);
    EXPECT_EQ(gStageBanner.state, CStageBanner::GameOverShown);
}

TEST_F(StageStepTest, SinglePackGameEndsAfterStageTen) {
    FindAll();
    gController.singlePack = 1;
    gController.stageNumber = 10;
    gController.stageTotal = 40;
    gController.timeGauge = -19; // the next step reaches -20 with nothing left to charge
    StageStep();
    EXPECT_EQ(gController.timeGauge, -20);
    StageStep();
    EXPECT_EQ(gStageBanner.state, CStageBanner::GameOverShown);
}

TEST_F(StageStepTest, BothPlayersOutStartsTheGameOver) {
    gPlayer1Pen.lives = 0;
    gPlayer2Pen.lives = 0;
    StageStep();
    EXPECT_EQ(gStageBanner.state, CStageBanner::GameOverShown);
    EXPECT_EQ(gStageBanner.step, 2);
}

TEST_F(StageStepTest, LoseLifeBurstsAtTheVanishingSymbol) {
    SeedRandom(3);
    EXPECT_EQ(LoseLife(gPlayer1Pen), 1);
    EXPECT_EQ(gPlayer1Pen.lives, 9);
    ASSERT_EQ(gSparkList.Size(), 15);
    for (int i = 0; i < gSparkList.Size(); ++i) {
        EXPECT_GE(gSparkList.At(i).x, 202 - 18 * 9);
        EXPECT_LT(gSparkList.At(i).x, 202 - 18 * 9 + 15);
        EXPECT_GE(gSparkList.At(i).y, 455);
    }
    gPlayer2Pen.lives = 1;
    EXPECT_EQ(LoseLife(gPlayer2Pen), 0);
    EXPECT_EQ(LoseLife(gPlayer2Pen), 0);
    EXPECT_EQ(gPlayer2Pen.lives, 0);
    EXPECT_EQ(GainLife(gPlayer2Pen), 0); // a player without lives gets none
    EXPECT_EQ(GainLife(gPlayer1Pen), 10);
}

namespace {
struct PaceCase {
    int stage;
    int frames;
    int drained; // in all, after that many frames
};
class RelaxedPaceTest : public StageStepTest, public ::testing::WithParamInterface<PaceCase> {
  protected:
    void TearDown() override { gPace = PaceState{}; }
};
} // namespace

// Half the drain, an odd unit carried over, so that two frames take exactly one frame's drain.
TEST_P(RelaxedPaceTest, TheGaugeRunsDownAtHalfSpeed) {
    gPace.relaxed = 1;
    gController.stageNumber = GetParam().stage;
    for (int f = 0; f < GetParam().frames; ++f) StageStep();
    EXPECT_EQ(gController.timeGauge, CGameController::kStageTimeGauge - GetParam().drained);
    EXPECT_EQ(gPace.gameRelaxed, 1);
}

INSTANTIATE_TEST_SUITE_P(Stages, RelaxedPaceTest,
                         ::testing::Values(PaceCase{1, 1, 5}, PaceCase{1, 2, 10}, PaceCase{20, 1, 5},
                                           PaceCase{20, 2, 11}, PaceCase{20, 3, 16}, PaceCase{400, 3, 45}));

TEST_F(RelaxedPaceTest, StageOneLastsFourThousandFrames) {
    gPace.relaxed = 1;
    int frames = 0;
    while (gController.timeGauge > 0) {
        StageStep();
        ++frames;
    }
    EXPECT_EQ(frames, 4000);
}

// The game over of a relaxed game shows its banner and leaves the ranking table as it was.
TEST_F(RelaxedPaceTest, ARelaxedGameDoesNotEnterTheRanking) {
    gPace.gameRelaxed = 1;
    gRankBoard.nameEntry = 0;
    const std::vector<uint8_t> table = EncodeRankTable(gRankBoard.table);
    gPlayer1Pen.lives = 0;
    gPlayer2Pen.lives = 0;
    StageStep();
    EXPECT_EQ(gStageBanner.state, CStageBanner::GameOverShown);
    EXPECT_EQ(gRankBoard.nameEntry, 0);
    EXPECT_EQ(EncodeRankTable(gRankBoard.table), table);
    EXPECT_EQ(RankIfCounted(1000), 0);
    EndRelaxedMark();
    EXPECT_EQ(gPace.gameRelaxed, 0);
}
