// The pens under the key settings: player 2's keys, player 1 on keys, the pen speed.
#include <gtest/gtest.h>

#include <cstring>

#include "game/io/Dik.h"
#include "game/io/Globals.h"
#include "game/io/Pen.h"

namespace {
constexpr PenKeys kIjkl{0x24, 0x26, 0x17, 0x25, DIK_RETURN}; // J L I K, Enter

struct PenKeysCase {
    const char* name;
    int kind;
    int player1OnKeys;
    PenKeys player2;
    int step;
    int held;    // the key held in the second frame, 0 for none
    int mouseDX; // and the mouse's motion there
    bool button; // and the left button
    int movedX;  // how far the pen went
    int click;   // PenMove's answer in the second frame
};

class PenKeysTest : public ::testing::TestWithParam<PenKeysCase> {
  protected:
    void TearDown() override {
        gInput = InputState{};
        gPenKeys[0] = kPlayer1StartKeys;
        gPenKeys[1] = kArrowKeys;
        gPlayer1OnKeys = 0;
        gPenKeyStep = kDefaultPenKeyStep;
        gSpaceArmed = 0;
        std::memset(gKeyArmed, 0, sizeof gKeyArmed);
    }
};

std::string Name(const ::testing::TestParamInfo<PenKeysCase>& info) {
    return info.param.name;
}
} // namespace

// A first frame with nothing held arms every click key; the second holds one key and moves the mouse.
TEST_P(PenKeysTest, MovesAndClicksByItsOwnKeys) {
    const PenKeysCase& c = GetParam();
    gPenKeys[1] = c.player2;
    gPlayer1OnKeys = c.player1OnKeys;
    gPenKeyStep = c.step;
    Pen pen;
    PenReset(pen, c.kind);
    gInput = InputState{};
    gInput.buttonsWereUp = 1;
    EXPECT_EQ(PenMove(pen), 0);
    const int startX = pen.x;
    if (c.held) gInput.keys[c.held] = 0x80;
    gInput.mouseDX = c.mouseDX;
    gInput.mouseLeft = c.button ? 0x80 : 0;
    EXPECT_EQ(PenMove(pen), c.click);
    EXPECT_EQ(pen.x - startX, c.movedX);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, PenKeysTest,
    ::testing::Values(
        PenKeysCase{"Player2Defaults", PenPlayer2, 0, kArrowKeys, 8, DIK_LEFT, 5, true, -8, 0},
        PenKeysCase{"Player2DefaultsClick", PenPlayer2, 0, kArrowKeys, 8, DIK_SPACE, 0, false, 0, 1},
        PenKeysCase{"Player2Rebound", PenPlayer2, 0, kIjkl, 8, 0x24, 0, false, -8, 0},
        PenKeysCase{"Player2ReboundIgnoresArrows", PenPlayer2, 0, kIjkl, 8, DIK_LEFT, 0, false, 0, 0},
        PenKeysCase{"Player2ClicksWithEnter", PenPlayer2, 0, kIjkl, 8, DIK_RETURN, 0, false, 0, 1},
        PenKeysCase{"Player2NoLongerClicksWithSpace", PenPlayer2, 0, kIjkl, 8, DIK_SPACE, 0, false, 0, 0},
        PenKeysCase{"Player2Speed", PenPlayer2, 0, kArrowKeys, 3, DIK_RIGHT, 0, false, 3, 0},
        PenKeysCase{"MenuKeepsArrowsWhenPlayer2Rebound", PenMenu, 0, kIjkl, 8, DIK_RIGHT, 2, false, 10, 0},
        PenKeysCase{"MenuTakesThePenSpeed", PenMenu, 0, kArrowKeys, 20, DIK_RIGHT, 0, false, 20, 0},
        PenKeysCase{"MenuClicksWithMouseAndSpace", PenMenu, 0, kIjkl, 8, DIK_SPACE, 0, false, 0, 1},
        PenKeysCase{"Player1Mouse", PenPlayer1, 0, kArrowKeys, 8, DIK_A, 5, true, 5, 1},
        PenKeysCase{"Player1OnKeysMoves", PenPlayer1, 1, kArrowKeys, 8, DIK_A, 5, false, -8, 0},
        PenKeysCase{"Player1OnKeysIgnoresTheButton", PenPlayer1, 1, kArrowKeys, 8, 0, 0, true, 0, 0},
        PenKeysCase{"Player1OnKeysClicks", PenPlayer1, 1, kArrowKeys, 8, DIK_E, 0, false, 0, 1},
        PenKeysCase{"Player1OnKeysSpeed", PenPlayer1, 1, kArrowKeys, 13, DIK_D, 0, false, 13, 0}),
    Name);

// Holding a click key clicks once; its flag is its own, apart from SPACE's, which the menu pen and player
// 2 still share.
TEST(PenKeys, AHeldClickKeyClicksOnceAndEachKeyHasItsOwnFlag) {
    gPenKeys[1] = kIjkl;
    gSpaceArmed = 0;
    Pen pen, menu;
    PenReset(pen, PenPlayer2);
    PenReset(menu, PenMenu);
    gInput = InputState{};
    EXPECT_EQ(PenMove(pen), 0);
    gInput.keys[DIK_RETURN] = 0x80;
    gInput.keys[DIK_SPACE] = 0x80;
    EXPECT_EQ(PenMove(pen), 1);
    EXPECT_EQ(PenMove(pen), 0);
    EXPECT_EQ(PenMove(menu), 0); // SPACE was never seen up by a pen that uses it
    gInput = InputState{};
    gPenKeys[1] = kArrowKeys;
    std::memset(gKeyArmed, 0, sizeof gKeyArmed);
    gSpaceArmed = 0;
}
