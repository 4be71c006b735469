#include <gtest/gtest.h>

#include "tests/e2e/ZorRun.h"

TEST(ShellRun, RunsFramesAndCtrlQEndsIt) {
    const ZorRun run = RunZor("10 key down LCONTROL\n10 key down Q\n");
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    // The close arrives with frame 10's events, before that frame runs.
    ASSERT_EQ(run.frames.size(), 10u);
    EXPECT_EQ(run.IntAt(9, "counter"), 10);
}

TEST(ShellRun, AltXEndsItToo) {
    const ZorRun run = RunZor("3 key down LMENU\n3 key down X\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.frames.size(), 3u);
}

TEST(ShellRun, FocusLossFreezesTheFrameCounter) {
    const ZorRun run = RunZor("5 focus lost\n15 focus gained\n20 end\n");
    ASSERT_EQ(run.frames.size(), 20u);
    EXPECT_EQ(run.IntAt(4, "counter"), 5);
    for (size_t f = 5; f < 15; ++f) {
        EXPECT_EQ(run.IntAt(f, "counter"), 5) << "frame " << f;
        EXPECT_EQ(run.IntAt(f, "focus"), 0);
    }
    EXPECT_EQ(run.IntAt(15, "counter"), 6);
    EXPECT_EQ(run.IntAt(19, "counter"), 10);
}

TEST(ShellRun, AltEnterDoesNotDisturbTheLogic) {
    const ZorRun plain = RunZor("1 move 40 10\n2 key down SPACE\n4 key up SPACE\n30 end\n");
    const ZorRun toggled = RunZor("1 move 40 10\n2 key down SPACE\n4 key up SPACE\n"
                                  "5 key down LMENU\n5 key down RETURN\n6 key up RETURN\n6 key up LMENU\n"
                                  "12 key down LMENU\n12 key down RETURN\n13 key up RETURN\n13 key up LMENU\n"
                                  "30 end\n");
    ASSERT_EQ(plain.frames.size(), 30u);
    EXPECT_EQ(plain.frames, toggled.frames);
}

TEST(ShellRun, NoDisplayShowsTheSetUpErrorAndExitsCleanly) {
    ZorRunOptions options;
    options.env["SDL_VIDEODRIVER"] = "no-such-driver";
    const ZorRun run = RunZor("5 end\n", options);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.stderrText.find("DirectX 초기화에 실패했습니다"), std::string::npos) << run.stderrText;
    EXPECT_TRUE(run.frames.empty());
}

TEST(ShellRun, BadScriptIsRefusedWithItsLine) {
    const ZorRun run = RunZor("1 key down NOSUCHKEY\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.stderrText.find("unknown key name NOSUCHKEY"), std::string::npos) << run.stderrText;
}
