#include <gtest/gtest.h>

#include "platform/ReplayScript.h"

TEST(ReplayScript, ParsesEveryAction) {
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(script.Parse("# a comment\n"
                             "\n"
                             "3 key down ESCAPE\n"
                             "4 key up ESCAPE\n"
                             "5 move -4 7\n"
                             "6 button down left\n"
                             "6 button up right\n"
                             "7 text \"a b\"\n"
                             "8 focus lost\n"
                             "9 focus gained\n"
                             "10 shot title.bmp\n"
                             "12 end\n",
                             error))
        << error;
    ASSERT_EQ(script.steps.size(), 10u);
    EXPECT_EQ(script.steps[0].kind, ReplayStep::KeyDown);
    EXPECT_EQ(script.steps[0].text, "ESCAPE");
    EXPECT_EQ(script.steps[2].dx, -4);
    EXPECT_EQ(script.steps[2].dy, 7);
    EXPECT_EQ(script.steps[4].kind, ReplayStep::ButtonUp);
    EXPECT_EQ(script.steps[5].text, "a b");
    EXPECT_EQ(script.steps[6].kind, ReplayStep::FocusLost);
    EXPECT_EQ(script.steps[8].text, "title.bmp");
    EXPECT_EQ(script.endFrame, 12);
}

TEST(ReplayScript, ParsesScreenResetAndGamepadActions) {
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(script.Parse("1 screen out.bmp\n2 reset device\n2 reset targets\n3 pad plug\n"
                             "4 pad down dpleft\n5 pad up a\n6 pad stick -32768 32767\n7 pad unplug\n",
                             error))
        << error;
    ASSERT_EQ(script.steps.size(), 8u);
    const ReplayStep::Kind kinds[] = {ReplayStep::Screen,   ReplayStep::ResetDevice, ReplayStep::ResetTargets,
                                      ReplayStep::PadPlug,  ReplayStep::PadDown,     ReplayStep::PadUp,
                                      ReplayStep::PadStick, ReplayStep::PadUnplug};
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(script.steps[i].kind, kinds[i]) << i;
    EXPECT_EQ(script.steps[0].text, "out.bmp");
    EXPECT_EQ(script.steps[4].text, "dpleft");
    EXPECT_EQ(script.steps[6].dx, -32768);
    EXPECT_EQ(script.steps[6].dy, 32767);
}

struct BadLine {
    const char* text;
    const char* error;
};

class ReplayScriptErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ReplayScriptErrors, NamesTheLineAndTheReason) {
    ReplayScript script;
    std::string error;
    EXPECT_FALSE(script.Parse(GetParam().text, error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReplayScriptErrors,
    ::testing::Values(BadLine{"key down ESCAPE\n", "line 1: a line starts with its frame number"},
                      BadLine{"1 jump\n", "line 1: unknown action 'jump'"},
                      BadLine{"1 key sideways A\n", "line 1: key takes down|up and a name"},
                      BadLine{"1 button down thumb\n", "line 1: button is left, right or middle"},
                      BadLine{"1 move 3\n", "line 1: move takes DX DY"},
                      BadLine{"1 text abc\n", "line 1: text takes a quoted string"},
                      BadLine{"5 end\n2 end\n", "line 2: frames must not decrease"},
                      BadLine{"-1 end\n", "line 1: a line starts with its frame number"},
                      BadLine{"1 screen\n", "line 1: screen takes a file name"},
                      BadLine{"1 reset all\n", "line 1: reset takes device|targets"},
                      BadLine{"1 pad shake\n", "line 1: pad takes plug, unplug, down, up or stick"},
                      BadLine{"1 pad down\n", "line 1: pad down takes a button name"},
                      BadLine{"1 pad stick 0 40000\n", "line 1: pad stick takes X Y from -32768 to 32767"}));
