#include <gtest/gtest.h>

#include <vector>

#include "game/shell/Options.h"

namespace {
bool Parse(std::vector<const char*> args, Options& options, std::string& error) {
    args.insert(args.begin(), "zor");
    return ParseOptions(static_cast<int>(args.size()), args.data(), options, error);
}
} // namespace

TEST(Options, MapAndScriptedRunOptions) {
    Options o;
    std::string error;
    ASSERT_TRUE(
        Parse({"./maps/cat.map", "--replay", "s.txt", "--trace", "t.txt", "--seed", "42", "--frames", "9"}, o,
              error));
    EXPECT_EQ(o.mapPath, "./maps/cat.map");
    EXPECT_EQ(o.replayPath, "s.txt");
    EXPECT_EQ(o.tracePath, "t.txt");
    EXPECT_EQ(o.seed, 42u);
    EXPECT_EQ(o.frames, 9);
    EXPECT_EQ(o.autoplayEvery, 0);
    ASSERT_TRUE(Parse({"--autoplay", "3", "--stop-after-stage", "100"}, o, error)) << error;
    EXPECT_EQ(o.autoplayEvery, 3);
    EXPECT_EQ(o.autoplayStages, 100);
}

TEST(Options, WindowAndScaling) {
    Options o;
    std::string error;
    EXPECT_EQ(o.windowScale, 0);
    EXPECT_FALSE(o.integerScale);
    ASSERT_TRUE(Parse({"--window", "--scale", "3", "--integer-scale"}, o, error)) << error;
    EXPECT_TRUE(o.windowed);
    EXPECT_EQ(o.windowScale, 3);
    EXPECT_TRUE(o.integerScale);
}

TEST(Options, LanguageIsEmptyUnlessGiven) {
    Options o;
    std::string error;
    EXPECT_EQ(o.language, "");
    ASSERT_TRUE(Parse({"--lang", "en"}, o, error)) << error;
    EXPECT_EQ(o.language, "en");
}

TEST(Options, NetworkGame) {
    Options o;
    std::string error;
    EXPECT_FALSE(o.Networked());
    ASSERT_TRUE(Parse({"--host", "--window"}, o, error)) << error; // a port is optional
    EXPECT_EQ(o.hostPort, kDefaultNetPort);
    EXPECT_TRUE(o.windowed);
    ASSERT_TRUE(Parse({"--host", "6000", "--delay", "0", "--record-commands", "c.bin"}, o, error)) << error;
    EXPECT_EQ(o.hostPort, 6000);
    EXPECT_EQ(o.netDelay, 0);
    EXPECT_EQ(o.recordPath, "c.bin");
    Options joined;
    ASSERT_TRUE(Parse({"--join", "192.168.0.7:6000"}, joined, error)) << error;
    EXPECT_EQ(joined.joinAddress, "192.168.0.7:6000");
    EXPECT_EQ(joined.netDelay, 2);
    EXPECT_TRUE(joined.Networked());
}

struct BadArgs {
    std::vector<const char*> args;
    const char* error;
};

class OptionErrors : public ::testing::TestWithParam<BadArgs> {};

TEST_P(OptionErrors, AreReported) {
    Options o;
    std::string error;
    EXPECT_FALSE(Parse(GetParam().args, o, error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionErrors,
    ::testing::Values(
        BadArgs{{"--replay"}, "--replay needs a value"},
        BadArgs{{"--frames", "ten"}, "--frames takes a number, not 'ten'"},
        BadArgs{{"--seed", "-3"}, "--seed takes a number, not '-3'"},
        BadArgs{{"--fast"}, "unknown option --fast"},
        BadArgs{{"--scale", "0"}, "--scale takes a number from 1 to 8, not '0'"},
        BadArgs{{"--scale", "9"}, "--scale takes a number from 1 to 8, not '9'"},
        BadArgs{{"a.map", "b.map"}, "only one map may be given"},
        BadArgs{{"--lang", "de"}, "--lang takes ko or en, not 'de'"},
        BadArgs{{"--lang", "en_US"}, "--lang takes ko or en, not 'en_US'"},
        BadArgs{{"--lang"}, "--lang needs a value"},
        BadArgs{{"--autoplay", "0"}, "--autoplay takes a number above 0, not '0'"},
        BadArgs{{"--stop-after-stage", "x"}, "--stop-after-stage takes a number above 0, not 'x'"},
        BadArgs{{"--host", "0"}, "--host takes a port from 1 to 65535, not '0'"},
        BadArgs{{"--host", "70000"}, "--host takes a port from 1 to 65535, not '70000'"},
        BadArgs{{"--join"}, "--join needs a value"},
        BadArgs{{"--delay", "17"}, "--delay takes a number from 0 to 16, not '17'"},
        BadArgs{{"--host", "--join", "a"}, "--host and --join cannot go together"},
        BadArgs{{"--join", "a", "--commands", "c.bin"},
                "--commands plays a log on this computer alone, not in a network game"},
        BadArgs{{"--host", "x.map"}, "a test map is played on one computer, not in a network game"}));
