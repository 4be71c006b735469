#include <gtest/gtest.h>

#include <algorithm>

#include "game/control/Globals.h"
#include "game/control/Random.h"
#include "game/io/Dik.h"
#include "game/play/Globals.h"
#include "game/play/Stage.h"
#include "game/screens/Globals.h"
#include "tests/screens/ScreenFixture.h"

namespace {
// A bonus stage with the cards in table order (card i of pair i / 2), both players in.
class BonusTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        gInput = InputState{};
        const int slot = gBonusScene.slot;
        gBonusScene = CBonusScene{};
        gBonusScene.slot = slot;
        if (slot < 0) gController.Register(gBonusScene); // the controller sends it the updates
        SeedRandom(1);
        gBonusScene.Deal();
        for (int i = 0; i < CBonusScene::kCards; ++i) {
            const int x = gBonusScene.cards[i].x, y = gBonusScene.cards[i].y;
            gBonusScene.cards[i] = {i / 2, CBonusScene::FaceDown, 0, x, y};
        }
        gPlayer1Pen.kind = PenPlayer1;
        gPlayer2Pen.kind = PenPlayer2;
        gPlayer1Pen.lives = gPlayer2Pen.lives = 10;
        PenResetBonus(gPlayer1Pen);
        PenResetBonus(gPlayer2Pen);
        gController.mode = ModeBonus;
        gController.stageNumber = 5;
        gController.timeGauge = CGameController::kStageTimeGauge;
        gStageBanner.state = CStageBanner::Hidden;
        gController.skipEnabled = 0;
    }
    // One frame in which the player clicks at the card's top-left corner (player 1 mouse, player 2 SPACE).
    void Click(int player, int card) {
        Pen& pen = player == 0 ? gPlayer1Pen : gPlayer2Pen;
        pen.x = gBonusScene.cards[card].x + 1;
        pen.y = gBonusScene.cards[card].y + 1;
        if (player == 0) {
            gInput.mouseLeft = 1;
            gInput.buttonsWereUp = 1;
        } else {
            gInput.keys[DIK_SPACE] = 1;
            gSpaceArmed = 1; // SPACE was up before this frame
        }
        gBonusScene.Step();
        gInput = InputState{};
    }
    int State(int card) const { return gBonusScene.cards[card].state; }
};
} // namespace

TEST(BonusDeal, EveryPairTwiceOnTheGridAfterFiftySwaps) {
    CBonusScene scene;
    SeedRandom(77);
    scene.Deal();
    int count[9] = {};
    for (int i = 0; i < CBonusScene::kCards; ++i) {
        const CBonusScene::Card& c = scene.cards[i];
        ++count[c.pairId];
        EXPECT_EQ(c.state, CBonusScene::FaceDown);
        EXPECT_EQ(c.x, 90 + 80 * (i % 6));
        EXPECT_EQ(c.y, 85 + 90 * (i / 6));
    }
    for (int n : count) EXPECT_EQ(n, 2);
    EXPECT_EQ(scene.remaining, 9);
    EXPECT_LT(scene.backgroundCell, 5);
    EXPECT_LT(scene.cardBack, 7);
    // Background and back, then four draws for each of the 50 swaps.
    SeedRandom(77);
    for (int i = 0; i < 2 + 4 * 50; ++i) GameRand();
    const int next = GameRand();
    SeedRandom(77);
    scene.Deal();
    EXPECT_EQ(GameRand(), next);
}

TEST(BonusDeal, EachSwapDrawsTheRowBeforeTheColumn) {
    SeedRandom(31);
    GameRand(); // background
    GameRand(); // card back
    int pairs[CBonusScene::kCards];
    for (int i = 0; i < CBonusScene::kCards; ++i) pairs[i] = i / 2;
    auto pick = [] {
        const int row = GameRand() % 3;
        return row * 6 + GameRand() % 6;
    };
    for (int s = 0; s < 50; ++s) {
        const int a = pick();
        const int b = pick();
        std::swap(pairs[a], pairs[b]);
    }
    CBonusScene scene;
    SeedRandom(31);
    scene.Deal();
    for (int i = 0; i < CBonusScene::kCards; ++i) EXPECT_EQ(scene.cards[i].pairId, pairs[i]) << "card " << i;
}

TEST_F(BonusTest, AMatchingPairIsKeptWithTheOwnersMark) {
    Click(1, 4);
    Click(1, 5);
    EXPECT_EQ(State(4), CBonusScene::Matched);
    EXPECT_EQ(gBonusScene.cards[5].owner, 3);
    EXPECT_EQ(gBonusScene.remaining, 8);
    EXPECT_EQ(Plays(EffectCardOpen), 2);
    EXPECT_EQ(Plays(EffectCardSuccess), 1);
}

TEST_F(BonusTest, AWrongPairStaysTwentyFiveFramesWhileTheOtherPlays) {
    Click(0, 0);
    Click(0, 2);
    EXPECT_EQ(Plays(EffectCardReturn), 1);
    EXPECT_EQ(gBonusScene.wait[0], 25);
    const int penX = gPlayer1Pen.x;
    for (int f = 0; f < 24; ++f) {
        if (f == 3)
            Click(1, 6);
        else if (f == 4)
            Click(1, 7);
        else {
            gInput.mouseDX = 5;
            gBonusScene.Step();
        }
        ASSERT_EQ(State(0), CBonusScene::FaceUp) << f;
        ASSERT_EQ(State(2), CBonusScene::FaceUp) << f;
    }
    EXPECT_EQ(gPlayer1Pen.x, penX);
    EXPECT_EQ(State(6), CBonusScene::Matched);
    gBonusScene.Step();
    EXPECT_EQ(State(0), CBonusScene::FaceDown);
    EXPECT_EQ(State(2), CBonusScene::FaceDown);
    EXPECT_EQ(gBonusScene.slots[0][0], CBonusScene::kNoCard);
}

TEST_F(BonusTest, TheRightButtonTurnsTheWrongPairBackAtOnce) {
    Click(0, 0);
    Click(0, 2);
    gInput.mouseRight = 1;
    gBonusScene.Step();
    gInput = InputState{};
    EXPECT_EQ(State(0), CBonusScene::FaceDown);
    EXPECT_EQ(gBonusScene.wait[0], 24); // keeps running, then turns back nothing
    Click(1, 0);
    for (int f = 0; f < 24; ++f) gBonusScene.Step();
    EXPECT_EQ(gBonusScene.wait[0], 0);
    EXPECT_EQ(State(0), CBonusScene::FaceUp); // player 2's card stays
}

TEST_F(BonusTest, ClicksThatTurnNothing) {
    Click(1, 8);
    Click(0, 8); // held open by the other player
    EXPECT_EQ(gBonusScene.slots[0][0], CBonusScene::kNoCard);
    Click(1, 8); // his own open card
    EXPECT_EQ(gBonusScene.slots[1][1], CBonusScene::kNoCard);
    EXPECT_EQ(Plays(EffectMouseClick), 2);
    EXPECT_EQ(Plays(EffectCardOpen), 1);
}

TEST_F(BonusTest, APlayerWithoutLivesTakesNoPart) {
    gPlayer2Pen.lives = 0;
    Click(1, 0);
    EXPECT_EQ(State(0), CBonusScene::FaceDown);
}

TEST_F(BonusTest, TheLastPairMatchedAsTheGaugeReachesZeroIsASuccess) {
    for (int i = 0; i < 16; ++i) gBonusScene.cards[i].state = CBonusScene::Matched;
    Click(0, 16);
    gController.timeGauge = 5; // stage 5 drains 4 + 5 / 4 = 5 a frame
    gPlayer1Pen.x = gBonusScene.cards[17].x + 1;
    gPlayer1Pen.y = gBonusScene.cards[17].y + 1;
    gInput.mouseLeft = 1;
    gInput.buttonsWereUp = 1;
    gController.Update();
    EXPECT_EQ(gController.timeGauge, 0);
    EXPECT_EQ(gBonusScene.remaining, 0);
    EXPECT_EQ(gStageBanner.state, CStageBanner::BonusCleared);
    EXPECT_EQ(Plays(EffectLogo), 1);
}

TEST_F(BonusTest, TheGaugeRunningOutWithPairsLeftFails) {
    gController.timeGauge = 5;
    gController.Update();
    EXPECT_EQ(gStageBanner.state, CStageBanner::BonusFailed);
    EXPECT_EQ(Plays(EffectGameOver1), 1);
}

TEST_F(BonusTest, TheStartBannerCostsThreeHundredTwentyAfterStageFive) {
    StartBonus();
    gStageBanner.BonusStart();
    const int remaining = gBonusScene.remaining;
    for (int f = 0; f < 64; ++f) {
        gInput.mouseLeft = f % 2;
        gInput.buttonsWereUp = 1;
        gController.Update();
    }
    EXPECT_EQ(gController.timeGauge, 20000 - 320);
    EXPECT_EQ(gStageBanner.state, CStageBanner::Hidden);
    EXPECT_EQ(Plays(EffectCardOpen) + Plays(EffectMouseClick), 0); // the table stood still
    EXPECT_EQ(gBonusScene.remaining, remaining);
    int frames = 64;
    gInput = InputState{};
    while (gStageBanner.state == CStageBanner::Hidden) {
        gController.Update();
        ++frames;
    }
    EXPECT_EQ(frames, 4000);
}
