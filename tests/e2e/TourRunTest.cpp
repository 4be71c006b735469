// The tour of every screen (docs/screens/tour.txt) in both editions: the Korean one shows exactly the frames
// it showed before there was an English edition, the English one plays the same game and never draws Hangul.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/e2e/GameScript.h"

namespace {
using namespace e2e;

constexpr int kModeIntro = 3;

ZorRunOptions Tour(const std::string& language) {
    ZorRunOptions options;
    options.args = {"--seed", std::to_string(kSeed)};
    options.packs = {"01_park.zor"};
    options.language = language;
    return options;
}

uint64_t Fnv1a(const std::string& bytes) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (const char c : bytes) h = (h ^ uint8_t(c)) * 0x100000001b3ull;
    return h;
}

// Where the tour is at its turning points; both editions must agree.
void ExpectTheTourPlayed(const ZorRun& run) {
    ASSERT_EQ(run.frames.size(), 1240u) << run.stderrText;
    const struct {
        size_t frame;
        const char* key;
        int value;
    } points[] = {{101, "mode", kModeTitle},   {120, "mode", kModeIntro}, {262, "mode", kModeSelect},
                  {282, "mode", kModeTitle},   {292, "mode", kModePlay},  {370, "mode", kModePause},
                  {390, "mode", kModePlay},    {431, "stage", 5},         {611, "left", 0},
                  {671, "mode", kModeBonus},   {823, "stage", 6},         {823, "p1", 11},
                  {872, "stage", 10},          {1082, "naming", 1},       {1096, "naming", 0},
                  {1157, "mode", kModeEnding}, {1230, "mode", kModeTitle}};
    for (const auto& p : points) EXPECT_EQ(run.IntAt(p.frame, p.key), p.value) << p.key << " at " << p.frame;
    const std::string table = ReadFile(run.workDir + "/zor.rnk");
    ASSERT_EQ(table.size(), 240u);
    EXPECT_NE(table.find(std::string("Alice 2\0", 8)), std::string::npos);
}
} // namespace

TEST(TourRun, TheKoreanTourShowsTheFramesItShowedBefore) {
    const ZorRun run = RunZor(ReadFile(ZOR_TOUR_SCRIPT), Tour("ko"));
    ExpectTheTourPlayed(run);
    EXPECT_GT(run.IntAt(1239, "hangul"), 0);
    const struct {
        const char* shot;
        uint64_t hash; // of the whole 24-bit BMP
    } shots[] = {{"logo.bmp", 0x528a3bc0f76e820},     {"title.bmp", 0x2f8dbceabe97eb96},
                 {"intro.bmp", 0x91308c933b963fa2},   {"packs.bmp", 0x653789bca072ab4b},
                 {"stage.bmp", 0xe16eaf6ecdf42ee},    {"play.bmp", 0x6123e7f43d42717b},
                 {"pause.bmp", 0xb23a366a14a4633d},   {"found.bmp", 0x1d00db81914fe78e},
                 {"bonus.bmp", 0x277b93ca5c50794e},   {"stage10.bmp", 0x68efe63e366b671b},
                 {"ranking.bmp", 0xdd1d4781026c48a4}, {"ending.bmp", 0x1d1d3c4bcc6928e5}};
    for (const auto& s : shots) EXPECT_EQ(Fnv1a(ReadFile(run.workDir + "/" + s.shot)), s.hash) << s.shot;
}

TEST(TourRun, TheEnglishTourPlaysTheSameGameWithoutDrawingHangul) {
    const ZorRun run = RunZor(ReadFile(ZOR_TOUR_SCRIPT), Tour("en"));
    ExpectTheTourPlayed(run);
    for (size_t f = 0; f < run.frames.size(); ++f) ASSERT_EQ(run.IntAt(f, "hangul"), 0) << "frame " << f;
}

// The environment chooses the edition when --lang is not given; a Korean name from the ranking file is
// drawn as it is in the English edition too.
TEST(TourRun, TheEnvironmentChoosesAndKoreanNamesStayKorean) {
    Script s;
    s.TitleChoice(kTitleOnePlayerTipY);
    s.Key(20, "8"); // enters score 70 into the ranking: the board is drawn with the file's names
    ZorRunOptions options = Seeded(30);
    options.language = "";
    options.env = {{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LC_MESSAGES", ""}, {"LANG", "en_US.UTF-8"}};
    options.files["zor.rnk"] =
        std::string("\x05\0\0\0\xB1\xE8", 6) + std::string(18, '\0') + Ranking(1).substr(24);
    const ZorRun english = RunZor(s.text, options);
    ASSERT_EQ(english.exitCode, 0) << english.stderrText;
    EXPECT_EQ(english.IntAt(29, "naming"), 1);
    EXPECT_EQ(english.IntAt(19, "hangul"), 0);
    EXPECT_GT(english.IntAt(29, "hangul"), english.IntAt(22, "hangul")); // the name drawn at every frame

    options.env["LANG"] = "C";
    options.packs = {"none.zor"};
    const ZorRun korean = RunZor("5 end\n", options);
    ASSERT_FALSE(korean.messages.empty());
    EXPECT_EQ(korean.messages[0], "Can not found Data(*.zor) File");
    options.env["LANG"] = "en_GB.UTF-8";
    const ZorRun inEnglish = RunZor("5 end\n", options);
    ASSERT_FALSE(inEnglish.messages.empty());
    EXPECT_EQ(inEnglish.messages[0], "No data packs (*.zor) were found");
}
