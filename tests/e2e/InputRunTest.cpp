// The real program's input and screen as a person meets them: taps shorter than a frame, the pen's speed
// at every scale, motion while the window is away, full screen, a lost render device, and a gamepad for
// player 2.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game/play/DifferenceMap.h"
#include "tests/e2e/ZorRun.h"

namespace {
constexpr int kModeTitle = 2, kModePlay = 4, kModePause = 7;
constexpr int kPenTipX = 23, kPenTipY = 18;
constexpr int kMenuPenX = 320, kMenuPenY = 200;
constexpr int kPlayer2X = 540, kPlayer2Y = 200;
constexpr int kKeyStep = 8;
// From the menu pen's start, its tip onto the title's first item ("one player").
constexpr int kToFirstItem = 250 - kPenTipY - kMenuPenY;

// Escape leaves the logo for the title at once.
const std::string kToTitle = "1 key down ESCAPE\n2 key up ESCAPE\n";

std::string AltEnter(int frame) {
    const std::string f = std::to_string(frame), g = std::to_string(frame + 1);
    return f + " key down LMENU\n" + f + " key down RETURN\n" + g + " key up RETURN\n" + g +
           " key up LMENU\n";
}

ZorRunOptions Args(std::initializer_list<std::string> args) {
    ZorRunOptions options;
    options.args = args;
    return options;
}

int Menu(const ZorRun& run, size_t frame, int axis) {
    const std::string pen = run.At(frame, "menu");
    const size_t comma = pen.find(',');
    return std::atoi(axis == 0 ? pen.c_str() : pen.c_str() + comma + 1);
}

int Pen2(const ZorRun& run, size_t frame, int axis) {
    const std::string pen = run.At(frame, "pen2");
    const size_t comma = pen.find(',');
    return std::atoi(axis == 0 ? pen.c_str() : pen.c_str() + comma + 1);
}

bool Near(uint32_t a, uint32_t b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) > tolerance) return false;
    return true;
}

// A press and its release inside one frame, by mouse and by keyboard: the title still takes it.
class QuickPress : public ::testing::TestWithParam<const char*> {};

TEST_P(QuickPress, OnTheTitleStartsTheGame) {
    const std::string f = "5 " + std::string(GetParam());
    const ZorRun run = RunZor(kToTitle + "3 move 0 " + std::to_string(kToFirstItem) + "\n" + f + " down " +
                              (GetParam()[0] == 'b' ? "left\n" : "SPACE\n") + f + " up " +
                              (GetParam()[0] == 'b' ? "left\n" : "SPACE\n") + "8 end\n");
    ASSERT_EQ(run.frames.size(), 8u) << run.stderrText;
    EXPECT_EQ(run.IntAt(4, "mode"), kModeTitle);
    EXPECT_EQ(run.IntAt(5, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(5, "p1"), 10);
}

INSTANTIATE_TEST_SUITE_P(Devices, QuickPress, ::testing::Values("button", "key"));

TEST(InputRun, AQuickClickOnADifferenceIsExactlyOneFind) {
    CDifferenceMap map;
    ASSERT_EQ(map.LoadMapFile(std::string(ZOR_TEST_DATA_DIR) + "/sample.map"), 1);
    const Rect& r = map.rects[0];
    const int dx = (r.left + r.right) / 2 - kPenTipX - 100, dy = (r.top + r.bottom) / 2 - kPenTipY - 200;
    const ZorRun run = RunZor("10 move " + std::to_string(dx) + " " + std::to_string(dy) +
                                  "\n12 button down left\n12 button up left\n30 end\n",
                              Args({"sample.map"}));
    ASSERT_EQ(run.frames.size(), 30u) << run.stderrText;
    EXPECT_EQ(run.IntAt(11, "left"), 5);
    for (size_t f = 12; f < 30; ++f) EXPECT_EQ(run.IntAt(f, "left"), 4) << "frame " << f;
    EXPECT_EQ(run.IntAt(29, "p1"), 10);
}

TEST(InputRun, TheMenuPenMovesByTheMouseCountsInA2xWindowAndInFullScreen) {
    // Full screen under the dummy driver is 1024x768, a scale of 1.6; the window is twice the game's size.
    const ZorRun run = RunZor(kToTitle + "4 move 10 -10\n" + AltEnter(6) + "10 move 10 -10\n" + AltEnter(12) +
                                  "16 move 10 -10\n18 end\n",
                              Args({"--scale", "2"}));
    ASSERT_EQ(run.frames.size(), 18u) << run.stderrText;
    for (const auto& [frame, steps] : {std::pair{4, 1}, {10, 2}, {16, 3}}) {
        EXPECT_EQ(Menu(run, size_t(frame), 0), kMenuPenX + 10 * steps) << "frame " << frame;
        EXPECT_EQ(Menu(run, size_t(frame), 1), kMenuPenY - 10 * steps) << "frame " << frame;
    }
}

TEST(InputRun, WhatTheMouseDoesWhileTheWindowIsAwayIsDropped) {
    const ZorRun run = RunZor(kToTitle + "4 focus lost\n5 move 50 " + std::to_string(kToFirstItem) +
                              "\n5 button down left\n6 button up left\n8 focus gained\n12 end\n");
    ASSERT_EQ(run.frames.size(), 12u) << run.stderrText;
    EXPECT_EQ(Menu(run, 11, 0), kMenuPenX);
    EXPECT_EQ(Menu(run, 11, 1), kMenuPenY);
    EXPECT_EQ(run.IntAt(11, "mode"), kModeTitle);
}

// What the window shows in full screen: filled (smoothed) by default, whole multiples with borders when
// asked. Frame 9's back surface is what frame 10 presents.
struct FullScreenShot {
    Picture back, screen;
};

FullScreenShot ShootFullScreen(std::initializer_list<std::string> args) {
    const ZorRun run =
        RunZor(kToTitle + AltEnter(4) + "9 shot back.bmp\n10 screen screen.bmp\n12 end\n", Args(args));
    EXPECT_EQ(run.frames.size(), 12u) << run.stderrText;
    return {ReadBmp24(run.workDir + "/back.bmp"), ReadBmp24(run.workDir + "/screen.bmp")};
}

TEST(InputRun, FullScreenFillsTheScreen) {
    const FullScreenShot shot = ShootFullScreen({});
    ASSERT_FALSE(shot.back.Empty());
    ASSERT_EQ(shot.screen.width, 1024);
    ASSERT_EQ(shot.screen.height, 768);
    // The picture's corners reach the screen's corners (smoothing blends neighbours a little).
    EXPECT_TRUE(Near(shot.screen.At(0, 0), shot.back.At(0, 0), 24));
    EXPECT_TRUE(Near(shot.screen.At(1023, 767), shot.back.At(639, 479), 24));
    EXPECT_TRUE(Near(shot.screen.At(512, 384), shot.back.At(320, 240), 24));
}

TEST(InputRun, IntegerScaleKeepsWholeMultiplesWithBorders) {
    const FullScreenShot shot = ShootFullScreen({"--integer-scale"});
    ASSERT_FALSE(shot.back.Empty());
    ASSERT_EQ(shot.screen.width, 1024);
    const int left = (1024 - 640) / 2, top = (768 - 480) / 2;
    EXPECT_EQ(shot.screen.At(left - 1, top - 1), 0u);
    EXPECT_EQ(shot.screen.At(left + 640, top + 480), 0u);
    for (const auto& [x, y] : {std::pair{0, 0}, {639, 479}, {320, 240}, {17, 400}})
        EXPECT_EQ(shot.screen.At(left + x, top + y), shot.back.At(x, y)) << x << "," << y;
}

TEST(InputRun, ALostDeviceDuringACrossFadeReloadsThePicturesAndTheScreenComesBack) {
    // Escape's change to the title cross-fades inside frame 1, where the reset is seen first.
    const ZorRun run = RunZor("1 reset device\n" + kToTitle +
                              "20 reset targets\n24 shot back.bmp\n"
                              "25 screen screen.bmp\n26 end\n");
    ASSERT_EQ(run.frames.size(), 26u) << run.stderrText;
    EXPECT_EQ(run.IntAt(0, "reloads"), 0);
    EXPECT_EQ(run.IntAt(1, "reloads"), 1);
    EXPECT_EQ(run.IntAt(19, "reloads"), 1);
    EXPECT_EQ(run.IntAt(20, "reloads"), 2);
    const Picture back = ReadBmp24(run.workDir + "/back.bmp");
    const Picture screen = ReadBmp24(run.workDir + "/screen.bmp");
    ASSERT_FALSE(back.Empty());
    ASSERT_EQ(screen.width, 640);
    for (const auto& [x, y] : {std::pair{0, 0}, {320, 240}, {639, 479}})
        EXPECT_EQ(screen.At(x, y), back.At(x, y)) << x << "," << y;
}

// Player 2 on a gamepad in a two-player test game: D-pad and left stick are the arrows.
TEST(InputRun, TheGamepadMovesPlayer2LikeTheArrowKeys) {
    const ZorRun run =
        RunZor("0 pad plug\n"
               "5 pad down dpleft\n8 pad up dpleft\n"
               "10 pad stick 0 30000\n13 pad stick 0 0\n"
               "15 pad stick 9000 -9000\n18 pad stick 0 0\n"
               "20 pad down dpup\n20 pad down dpdown\n21 pad up dpdown\n21 pad up dpup\n24 end\n",
               Args({"sample.map"}));
    ASSERT_EQ(run.frames.size(), 24u) << run.stderrText;
    EXPECT_EQ(Pen2(run, 4, 0), kPlayer2X);
    EXPECT_EQ(Pen2(run, 7, 0), kPlayer2X - 3 * kKeyStep);
    EXPECT_EQ(Pen2(run, 9, 0), kPlayer2X - 3 * kKeyStep);
    EXPECT_EQ(Pen2(run, 12, 1), kPlayer2Y + 3 * kKeyStep);
    EXPECT_EQ(Pen2(run, 19, 1), kPlayer2Y + 3 * kKeyStep); // a small push of the stick is no press
    EXPECT_EQ(Pen2(run, 20, 1), kPlayer2Y + 2 * kKeyStep); // up wins over down, as on the keyboard
    EXPECT_EQ(run.At(23, "pen1"), "100,200");
}

TEST(InputRun, GamepadStartPausesAndBackLeaves) {
    const ZorRun run = RunZor("0 pad plug\n"
                              "5 pad down start\n6 pad up start\n10 pad down start\n11 pad up start\n"
                              "15 pad down back\n16 pad up back\n40 end\n",
                              Args({"sample.map"}));
    ASSERT_EQ(run.frames.size(), 40u) << run.stderrText;
    EXPECT_EQ(run.IntAt(4, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(5, "mode"), kModePause);
    EXPECT_EQ(run.IntAt(10, "mode"), kModePlay);
    EXPECT_NE(run.IntAt(39, "mode"), kModePlay);
}

TEST(InputRun, AGamepadPluggedInLaterChoosesOnTheTitleAndCanBeUnpluggedAndBack) {
    const int frames = kToFirstItem / kKeyStep; // 4 steps of the D-pad bring the tip onto the first item
    const std::string down = std::to_string(10 + frames);
    const ZorRun run = RunZor(kToTitle +
                              "5 pad plug\n6 pad down dpright\n7 pad unplug\n9 pad plug\n"
                              "10 pad down dpdown\n" +
                              down + " pad up dpdown\n" + down + " pad down a\n40 end\n");
    ASSERT_EQ(run.frames.size(), 40u) << run.stderrText;
    // Unplugged while held: the pen stops at once.
    EXPECT_EQ(Menu(run, 6, 0), kMenuPenX + kKeyStep);
    EXPECT_EQ(Menu(run, 8, 0), kMenuPenX + kKeyStep);
    const size_t pressed = size_t(10 + frames);
    EXPECT_EQ(Menu(run, pressed - 1, 1), kMenuPenY + kToFirstItem);
    EXPECT_EQ(run.IntAt(pressed - 1, "mode"), kModeTitle);
    EXPECT_EQ(run.IntAt(pressed, "mode"), kModePlay);
}
} // namespace
