// The settings of the real program: changed on the options screen and found again at the next start,
// played with (player 1 on keys, player 2's click on Enter), and heard (the volumes on SDL's disk output).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/MapFile.h"
#include "tests/e2e/GameScript.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {
using namespace e2e;
constexpr int kModeOptions = 8;
constexpr int kKeyStep = 8;

// One press of a key: down for a frame, then four frames for the screen to answer.
struct KeyPresses {
    Script script;
    int frame = 0;
    void Press(const std::string& key) {
        script.Key(frame, key);
        frame += 4;
    }
};

// The settings every row of the screen gets below, in the order of the settings.
const char* const kChanged = "0,1,1,9,9,2,9,1,1,36,38,23,37,28,33,35,20,34,21"; // J L I K RETURN, F H T G Y

// From the title: the options key, a step on every row, a new key for every action, then Escape.
std::string EveryRowChanged() {
    KeyPresses k;
    k.frame = 1;
    k.Press("ESCAPE"); // the logo ends
    k.Press("F2");
    for (const char* step : {"RIGHT", "RIGHT", "RIGHT", "LEFT", "LEFT", "RIGHT", "RIGHT", "RIGHT", "RIGHT"}) {
        k.Press(step);
        k.Press("DOWN");
    }
    for (const char* key : {"J", "L", "I", "K", "RETURN", "F", "H", "T", "G", "Y"}) {
        k.Press("RETURN");
        k.Press(key);
        k.Press("DOWN");
    }
    k.Press("ESCAPE");
    k.script.At(k.frame + 4, "end");
    return k.script.text;
}

MapRecords SampleMap() {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadMapFile(std::string(ZOR_TEST_DATA_DIR) + "/sample.map", bytes));
    return DecodeMap(bytes);
}

struct KeyPen {
    const char* name;
    const char* settings;
    int player;          // 1 or 2
    const char* keys[5]; // left right up down click
};

// Holds a key for as many frames as the pen needs to come within half a step of `to`.
void Drive(Script& s, int& frame, int& at, int to, const char* less, const char* more) {
    const int steps = (std::abs(to - at) + kKeyStep / 2) / kKeyStep;
    if (steps == 0) return;
    s.At(frame, std::string("key down ") + (to < at ? less : more));
    s.At(frame + steps, std::string("key up ") + (to < at ? less : more));
    at += (to < at ? -1 : 1) * steps * kKeyStep;
    frame += steps + 1;
}

// The pen's tip to the middle of every difference of the sample pair, by keys alone, and a click there.
std::string FindEveryDifferenceByKeys(const KeyPen& pen) {
    constexpr int kTipX = 23, kTipY = 18, kRightPicture = 309, kStepAfterFind = 15, kAfterFind = 25;
    Script s;
    int x = pen.player == 1 ? 100 : 540, y = 200;
    int frame = 2;
    for (const MapRect& r : SampleMap()) {
        Drive(s, frame, x, (r.left + r.right) / 2 - kTipX + (pen.player == 2 ? kRightPicture : 0),
              pen.keys[0], pen.keys[1]);
        Drive(s, frame, y, (r.top + r.bottom) / 2 - kTipY, pen.keys[2], pen.keys[3]);
        s.Key(frame, pen.keys[4]);
        frame += kAfterFind;
        y += kStepAfterFind;
    }
    s.At(frame + 5, "end");
    return s.text;
}

class KeyPenRun : public ::testing::TestWithParam<KeyPen> {};

std::string Name(const ::testing::TestParamInfo<KeyPen>& info) {
    return info.param.name;
}

// The root mean square of the 16-bit samples SDL's disk driver wrote, from the first sound to the last
// (the silence around it depends on how long the run took); 0 for silence.
double Loudness(const std::string& raw) {
    std::vector<int> samples;
    for (size_t i = 0; i + 1 < raw.size(); i += 2)
        samples.push_back(int16_t(uint16_t(uint8_t(raw[i]) | uint8_t(raw[i + 1]) << 8)));
    const auto first = std::find_if(samples.begin(), samples.end(), [](int v) { return v != 0; });
    const auto last = std::find_if(samples.rbegin(), samples.rend(), [](int v) { return v != 0; }).base();
    if (first >= last) return 0;
    double sum = 0;
    for (auto it = first; it != last; ++it) sum += double(*it) * *it;
    return std::sqrt(sum / double(last - first));
}

std::string FirstTune() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(std::string(ZOR_TEST_DATA_DIR) + "/mid"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names.empty() ? "" : names.front();
}

struct Level {
    std::string raw;
    std::string music; // what the trace says plays at the end
};

// A run on the real clock with this settings file, its sound written to a file.
Level Heard(const std::string& settings, int frames) {
    TempDir config;
    fs::create_directories(config.Path("zor"));
    config.Write("zor/settings.ini", std::vector<uint8_t>(settings.begin(), settings.end()));
    ZorRunOptions options;
    options.realTime = true;
    options.args = {"--frames", std::to_string(frames)};
    options.tunes = {FirstTune()};
    options.env = {
        {"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", "out.raw"}, {"XDG_CONFIG_HOME", config.Path("")}};
    const ZorRun run = RunZor("", options);
    EXPECT_EQ(run.exitCode, 0) << run.stderrText;
    return {ReadFile(run.workDir + "/out.raw"), run.At(run.frames.size() - 1, "music")};
}
} // namespace

TEST(SettingsRun, EverySettingChangedOnTheScreenIsFoundAtTheNextStart) {
    TempDir config;
    ZorRunOptions options;
    options.args = {"--seed", std::to_string(kSeed)};
    options.env["XDG_CONFIG_HOME"] = config.Path("");
    const ZorRun changed = RunZor(EveryRowChanged(), options);
    ASSERT_EQ(changed.exitCode, 0) << changed.stderrText;
    EXPECT_EQ(FirstFrame(changed, "mode", kModeOptions), 5u);
    const size_t last = changed.frames.size() - 1;
    EXPECT_EQ(changed.IntAt(last, "mode"), kModeTitle);
    EXPECT_EQ(changed.At(last, "settings"), kChanged);
    // The language row put the English edition in at once: the title draws no more Hangul.
    EXPECT_EQ(changed.IntAt(last, "hangul"), changed.IntAt(last - 2, "hangul"));

    const std::string file = ReadFile(config.Path("zor/settings.ini"));
    for (const char* line : {"fullscreen = no\n", "language = en\n", "player2_click = RETURN\n",
                             "player1_keys = yes\n", "relaxed_pace = yes\n", "player1_click = Y\n"})
        EXPECT_NE(file.find(line), std::string::npos) << line << " in\n" << file;

    options.language = ""; // the file's language
    const ZorRun again = RunZor("20 end\n", options);
    ASSERT_EQ(again.frames.size(), 20u) << again.stderrText;
    EXPECT_EQ(again.At(19, "settings"), kChanged);
    EXPECT_EQ(again.stderrText.find("settings.ini"), std::string::npos) << again.stderrText;
    EXPECT_EQ(ReadFile(config.Path("zor/settings.ini")), file); // a start alone writes nothing
}

TEST(SettingsRun, ClosingTheWindowOnTheOptionsScreenKeepsItsChanges) {
    TempDir config;
    KeyPresses k;
    k.frame = 1;
    for (const char* key : {"ESCAPE", "F2", "DOWN", "DOWN", "DOWN", "LEFT"}) k.Press(key);
    k.script.At(k.frame, "end");
    ZorRunOptions options;
    options.env["XDG_CONFIG_HOME"] = config.Path("cfg");
    const ZorRun run = RunZor(k.script.text, options);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(run.frames.size() - 1, "mode"), kModeOptions);
    EXPECT_NE(ReadFile(config.Path("cfg/zor/settings.ini")).find("music_volume = 9\n"), std::string::npos);
}

// A settings folder that cannot be made: leaving the screen says so in an error box and the game goes on.
TEST(SettingsRun, ASaveThatFailsIsShown) {
    TempDir config;
    config.Write("cfg", {'x'}); // a file where the folder would be
    KeyPresses k;
    k.frame = 1;
    for (const char* key : {"ESCAPE", "F2", "LEFT", "ESCAPE"}) k.Press(key);
    k.script.At(k.frame + 4, "end");
    ZorRunOptions options;
    options.env["XDG_CONFIG_HOME"] = config.Path("cfg");
    const ZorRun run = RunZor(k.script.text, options);
    ASSERT_EQ(run.messages.size(), 1u) << run.stderrText;
    EXPECT_EQ(run.messages[0], "설정 파일을 쓸 수 없습니다: " + config.Path("cfg") + " is not a folder");
    EXPECT_EQ(run.IntAt(run.frames.size() - 1, "mode"), kModeTitle);
}

TEST(SettingsRun, TheCommandLineOverridesTheFileForOneRunAndBadValuesAreNamed) {
    TempDir config;
    fs::create_directories(config.Path("cfg/zor"));
    const std::string file = "fullscreen = no\nlanguage = en\nmusic_volume = 12\npen_speed = 3\n";
    config.Write("cfg/zor/settings.ini", std::vector<uint8_t>(file.begin(), file.end()));
    ZorRunOptions options;
    options.env["XDG_CONFIG_HOME"] = config.Path("cfg");
    options.args = {"--integer-scale"};
    const ZorRun run = RunZor("20 end\n", options); // --lang ko
    EXPECT_EQ(run.At(19, "settings"), "0,0,1,10,10,1,3,0,0,203,205,200,208,57,30,32,17,31,18");
    EXPECT_NE(run.stderrText.find(config.Path("cfg/zor/settings.ini") +
                                  " line 3: music_volume = 12 is not from 0 to 10; the default 10 is used"),
              std::string::npos)
        << run.stderrText;
    EXPECT_EQ(ReadFile(config.Path("cfg/zor/settings.ini")), file);
}

TEST_P(KeyPenRun, FindsEveryDifferenceOfAStageByKeysAlone) {
    TempDir config;
    fs::create_directories(config.Path("zor"));
    const std::string settings = GetParam().settings;
    config.Write("zor/settings.ini", std::vector<uint8_t>(settings.begin(), settings.end()));
    ZorRunOptions options;
    options.args = {"sample.map"};
    options.env["XDG_CONFIG_HOME"] = config.Path("");
    const ZorRun run = RunZor(FindEveryDifferenceByKeys(GetParam()), options);
    ASSERT_FALSE(run.frames.empty()) << run.stderrText;
    const size_t last = run.frames.size() - 1;
    EXPECT_EQ(run.IntAt(last, "left"), 0);
    EXPECT_EQ(run.IntAt(last, "p1"), 10); // no miss
    EXPECT_EQ(run.IntAt(last, "p2"), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Pens, KeyPenRun,
    ::testing::Values(KeyPen{"Player1OnKeys", "player1_keys = yes\n", 1, {"A", "D", "W", "S", "E"}},
                      KeyPen{"Player2ClicksWithEnter",
                             "player2_click = RETURN\n",
                             2,
                             {"LEFT", "RIGHT", "UP", "DOWN", "RETURN"}}),
    Name);

// logo.wav at the start for the effects, the title's tune for the music; 5 is half the level of 10.
TEST(SettingsRun, TheVolumesReachTheMixer) {
    struct {
        const char* quiet; // the other volume, silenced
        const char* setting;
        int frames;
    } kinds[] = {{"music_volume = 0\n", "effects_volume", 40}, {"effects_volume = 0\n", "music_volume", 150}};
    for (const auto& kind : kinds) {
        const Level off = Heard(std::string(kind.quiet) + kind.setting + " = 0\n", kind.frames);
        const Level half = Heard(std::string(kind.quiet) + kind.setting + " = 5\n", kind.frames);
        const Level full = Heard(std::string(kind.quiet) + kind.setting + " = 10\n", kind.frames);
        ASSERT_GT(off.raw.size(), 44100u) << kind.setting; // half a second of output at least
        EXPECT_EQ(Loudness(off.raw), 0) << kind.setting;
        const double fullLevel = Loudness(full.raw);
        ASSERT_GT(fullLevel, 100) << kind.setting;
        EXPECT_NEAR(Loudness(half.raw) / fullLevel, 0.5, 0.1) << kind.setting;
    }
    const Level noMusic = Heard("music_volume = 0\n", 150);
    EXPECT_EQ(noMusic.music, "-"); // no piece is even loaded
}
