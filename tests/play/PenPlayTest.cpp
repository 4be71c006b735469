#include <gtest/gtest.h>

#include "game/control/Globals.h"
#include "game/io/Globals.h"
#include "game/play/Globals.h"
#include "game/shell/Globals.h"

namespace {
class PenPlayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        gInput = InputState{};
        gSpaceArmed = 1;
        gDifferenceMap = CDifferenceMap{};
        gDifferenceMap.rects[0] = {100, 100, 140, 140};
        for (int k = 1; k < CDifferenceMap::kDifferences; ++k) gDifferenceMap.rects[k] = {-1, -1, -2, -2};
        PenReset(gPlayer1Pen, PenPlayer1);
        PenReset(gPlayer2Pen, PenPlayer2);
        gPlayer1Pen.lives = gPlayer2Pen.lives = 10;
        gShell.frameCounter = 1;
    }
    void PlaceTips(Point tip) {
        gPlayer1Pen.x = tip.x - Pen::kTipX;
        gPlayer1Pen.y = tip.y - Pen::kTipY;
        gPlayer2Pen.x = tip.x - Pen::kTipX + CDifferenceMap::kRightPictureOffset;
        gPlayer2Pen.y = tip.y - Pen::kTipY;
    }
    void ClickBoth() {
        gInput.mouseLeft = 0x80;
        gInput.buttonsWereUp = 1;
        gInput.keys[0x39] = 0x80;
        gPlayer1Pen.Message(MsgUpdate, 0, 0);
        gPlayer2Pen.Message(MsgUpdate, 0, 0);
    }
};
} // namespace

TEST_F(PenPlayTest, BothClickingTheSameDifferencePlayerOneFindsIt) {
    PlaceTips({120, 120});
    ClickBoth();
    EXPECT_EQ(gDifferenceMap.finders[0], 1);
    EXPECT_EQ(gPlayer1Pen.animStep, 4);
    EXPECT_EQ(gPlayer2Pen.lives, 9); // a miss for player 2
    EXPECT_EQ(gPlayer2Pen.freeze, 10);
}

TEST_F(PenPlayTest, AMissFreezesThePenForTenFrames) {
    PlaceTips({20, 20});
    ClickBoth();
    EXPECT_EQ(gPlayer1Pen.lives, 9);
    gInput.mouseLeft = 0;
    gInput.mouseDX = 5;
    const int x = gPlayer1Pen.x;
    for (int i = 0; i < 10; ++i) gPlayer1Pen.Message(MsgUpdate, 0, 0);
    EXPECT_EQ(gPlayer1Pen.x, x); // frozen: no movement
    EXPECT_EQ(gPlayer1Pen.freeze, 0);
    gPlayer1Pen.Message(MsgUpdate, 0, 0);
    EXPECT_EQ(gPlayer1Pen.x, x + 5);
}

TEST_F(PenPlayTest, FoundAnimationEndsFifteenPixelsLower) {
    PlaceTips({120, 120});
    ClickBoth();
    const int y = gPlayer1Pen.y;
    int frames = 0;
    while (gPlayer1Pen.animStep != 0 && frames < 100) {
        ++gShell.frameCounter;
        gPlayer1Pen.Message(MsgUpdate, 0, 0);
        ++frames;
    }
    EXPECT_EQ(gPlayer1Pen.y, y + 15);
    EXPECT_EQ(frames, 17); // nine even frames after the odd frame of the click
}

TEST_F(PenPlayTest, APlayerWithoutLivesIsSkipped) {
    gPlayer2Pen.lives = 0;
    PlaceTips({120, 120});
    const Point before{gPlayer2Pen.x, gPlayer2Pen.y};
    gShell.frameCounter = 4;  // a frame that would step the idle animation
    gInput.keys[0xCB] = 0x80; // left arrow held
    gInput.keys[0x39] = 0x80; // and SPACE: a click on the difference
    EXPECT_EQ(gPlayer2Pen.Message(MsgUpdate, 0, 0), 0);
    EXPECT_EQ((Point{gPlayer2Pen.x, gPlayer2Pen.y}), before);
    EXPECT_EQ(gPlayer2Pen.animStep, 0);
    EXPECT_EQ(gDifferenceMap.finders[0], CDifferenceMap::kHidden);
    EXPECT_EQ(gSpaceArmed, 1);
    EXPECT_EQ(gPlayer2Pen.lives, 0);
}
