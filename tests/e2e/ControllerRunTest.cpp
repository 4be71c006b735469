// The controller's global keys and its ways in and out of a game, on the real program.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/e2e/GameScript.h"

namespace {
// Every pack of the data directory the runs play in gives ten stages.
int BundledPackCount() {
    int packs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZOR_TEST_DATA_DIR)) {
        packs += entry.path().extension() == ".zor";
    }
    return packs;
}

using namespace e2e;

// A saved game (1016 bytes): the given entries of the order, the rest empty.
std::string SavedGame(const std::vector<std::pair<int, int>>& entries, int total, int stage, int lives1,
                      int lives2) {
    std::string bytes(1000, '\xFF');
    for (size_t i = 0; i < entries.size(); ++i) {
        bytes[2 * i] = char(entries[i].first);
        bytes[2 * i + 1] = char(entries[i].second);
    }
    return bytes + PutLe32(total) + PutLe32(stage) + PutLe32(lives1) + PutLe32(lives2);
}

std::vector<std::pair<int, int>> PicturesOfPack(int pack, int count) {
    std::vector<std::pair<int, int>> entries;
    for (int j = 0; j < count; ++j) entries.emplace_back(pack, j);
    return entries;
}

ZorRunOptions WithSave(int frames, const std::string& save) {
    ZorRunOptions options = Seeded(frames);
    options.files["zor.sav"] = save;
    options.files["zor.rnk"] = Ranking(100); // nothing these games score enters the table
    return options;
}
} // namespace

// Before any game the order is empty: the skip keys find no stage to start and must not fail.
struct NoStageCase {
    const char* name;
    const char* word; // typed after the sixth word
    bool pressN;
};

class NothingToSkipTo : public ::testing::TestWithParam<NoStageCase> {};

TEST_P(NothingToSkipTo, OnTheTitleDoesNothing) {
    Script s;
    s.Key(1, "ESCAPE");
    s.Type(10, "mfkdlwpqz");
    if (*GetParam().word) s.Type(20, GetParam().word);
    if (GetParam().pressN) s.Key(30, "N");
    const ZorRun run = RunZor(s.text, Seeded(40));
    ASSERT_EQ(run.frames.size(), 40u) << run.stderrText;
    EXPECT_TRUE(run.messages.empty()) << run.messages.front();
    EXPECT_EQ(run.IntAt(39, "mode"), kModeTitle);
    EXPECT_EQ(run.IntAt(39, "stage"), 0);
    EXPECT_EQ(run.IntAt(39, "skip"), 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, NothingToSkipTo,
                         ::testing::Values(NoStageCase{"NKey", "", true},
                                           NoStageCase{"SkipWord", "wospank", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ControllerRun, NInSkipModeStartsAStageEveryFrameItIsHeldWithTheAnswersShown) {
    Script s;
    s.TitleChoice(kTitleOnePlayerTipY);
    s.At(20, "key down N"); // before the sixth word: nothing
    s.At(22, "key up N");
    s.Type(30, "mfkdlwpqz");
    s.At(40, "key down N");
    s.At(43, "key up N");
    const ZorRun run = RunZor(s.text, Seeded(50));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(21, "stage"), 1);
    EXPECT_EQ(run.IntAt(21, "answers"), 0);
    EXPECT_EQ(run.IntAt(39, "stage"), 1);
    for (int f = 40; f < 43; ++f) EXPECT_EQ(run.IntAt(f, "stage"), 2 + (f - 40)) << f;
    EXPECT_EQ(run.IntAt(49, "stage"), 4);
    EXPECT_EQ(run.IntAt(49, "answers"), 1);
    EXPECT_TRUE(run.messages.empty());
}

TEST(ControllerRun, PauseHoldsTheGaugeAndPOrEscapeResumesTheSameStage) {
    Script s;
    s.TitleChoice(kTitleOnePlayerTipY);
    s.Key(100, "P");
    s.Key(150, "P");
    s.Key(200, "P");
    s.Key(250, "ESCAPE");
    s.At(300, "key down P"); // held: the pause's first update sees it still down and resumes
    s.At(302, "key up P");
    const ZorRun run = RunZor(s.text, Seeded(310));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(99, "mode"), kModePlay);
    const int gauge = run.IntAt(100, "gauge");
    EXPECT_EQ(gauge, run.IntAt(99, "gauge") - 10); // the stage step ran before the pause
    for (int f = 100; f < 150; ++f) {
        ASSERT_EQ(run.IntAt(f, "mode"), kModePause) << f;
        ASSERT_EQ(run.IntAt(f, "gauge"), gauge) << f;
    }
    EXPECT_EQ(run.IntAt(150, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(150, "gauge"), gauge);
    EXPECT_EQ(run.IntAt(151, "gauge"), gauge - 10);
    EXPECT_EQ(run.IntAt(200, "mode"), kModePause);
    EXPECT_EQ(run.IntAt(250, "mode"), kModePlay); // Escape resumes; it does not leave the game
    EXPECT_EQ(run.IntAt(250, "stage"), 1);
    EXPECT_EQ(run.IntAt(300, "mode"), kModePause);
    EXPECT_EQ(run.IntAt(301, "mode"), kModePlay);
}

TEST(ControllerRun, KeyEightSetsStageTenAndOffersSeventyToTheRanking) {
    Script s;
    s.Key(1, "ESCAPE");
    s.At(10, "key down 8");
    s.At(13, "key up 8");
    ZorRunOptions options = Seeded(20);
    options.files["zor.rnk"] = Ranking(0);
    const ZorRun run = RunZor(s.text, options);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(9, "stage"), 0);
    EXPECT_EQ(run.IntAt(9, "naming"), 0);
    EXPECT_EQ(run.IntAt(10, "stage"), 10);
    EXPECT_EQ(run.IntAt(10, "naming"), 1);
    EXPECT_EQ(run.IntAt(19, "mode"), kModeTitle);
}

struct EscapeCase {
    const char* name;
    bool singlePack;
    int mode; // where Escape leads
};

class EscapeFromAStage : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(EscapeFromAStage, LeadsBackToWhereTheGameWasChosen) {
    Script s;
    if (GetParam().singlePack) {
        s.TitleChoice(kTitlePacksTipY);
        const Point tip{kMenuPenStart.x + kPenTipX, kTitlePacksTipY};
        s.At(22, "move " + std::to_string(100 - tip.x) + " " + std::to_string(440 - tip.y)); // "one player"
        s.Click(24);
    } else {
        s.TitleChoice(kTitleOnePlayerTipY);
    }
    s.Key(60, "ESCAPE");
    const ZorRun run = RunZor(s.text, Seeded(70));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(59, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(59, "single"), GetParam().singlePack ? 1 : 0);
    for (int f = 60; f < 70; ++f) ASSERT_EQ(run.IntAt(f, "mode"), GetParam().mode) << f;
    EXPECT_EQ(run.IntAt(69, "single"), 0);
}

INSTANTIATE_TEST_SUITE_P(Games, EscapeFromAStage,
                         ::testing::Values(EscapeCase{"AllPacks", false, kModeTitle},
                                           EscapeCase{"SinglePack", true, kModeSelect}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ControllerRun, ASavedSinglePackGameContinuesAtItsStageAndStopsAfterItsTenthPicture) {
    Script s;
    s.TitleChoice(kTitleContinueTipY);
    for (int k = 0; k < 5; ++k) s.Type(20 + 10 * k, "wospank"); // the fifth finds no stage after the tenth
    const ZorRun run = RunZor(s.text, WithSave(80, SavedGame(PicturesOfPack(1, 10), 100, 6, 4, 0)));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_TRUE(run.messages.empty()) << run.messages.front();
    EXPECT_EQ(run.IntAt(19, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(19, "stage"), 6);
    EXPECT_EQ(run.At(19, "entry"), "1,5");
    EXPECT_EQ(run.IntAt(19, "p1"), 4);
    EXPECT_EQ(run.IntAt(19, "total"), 10);
    EXPECT_EQ(run.IntAt(79, "stage"), 10);
    EXPECT_EQ(run.At(79, "entry"), "1,9");
    EXPECT_EQ(run.IntAt(79, "mode"), kModePlay);
}

// Continued at its last stage with one life, a miss ends it: back on the selection screen, on its pack.
TEST(ControllerRun, AContinuedSinglePackGameEndsOnTheSelectionScreenLikeAFreshOne) {
    Script s;
    s.TitleChoice(kTitleContinueTipY);
    s.At(80, "move -60 -150"); // (40, 50), where the pictures agree
    s.Click(80);
    const ZorRun run = RunZor(s.text, WithSave(300, SavedGame(PicturesOfPack(1, 10), 10, 10, 1, 0)));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(19, "single"), 1);
    EXPECT_EQ(run.IntAt(19, "stage"), 10);
    const size_t over = FirstFrame(run, "p1", 0, 20);
    ASSERT_LT(over, run.frames.size()) << "the click found a difference";
    const size_t back = FirstFrame(run, "mode", kModeSelect, 20);
    ASSERT_LT(back, run.frames.size());
    EXPECT_EQ(run.IntAt(back, "pack"), 1);
    for (size_t f = 20; f < back; ++f) ASSERT_NE(run.IntAt(f, "mode"), kModeEnding) << f;
}

TEST(ControllerRun, ANewGameInPlaceOfAnUnusableSaveCoversEveryPack) {
    Script s;
    s.TitleChoice(kTitleContinueTipY); // a game of five stages
    s.Key(20, "ESCAPE");
    s.Key(30, "8");        // stage number 10, past the five
    s.Type(40, "feltrud"); // saved so: stage 10 of 5 cannot be continued
    s.TitleChoiceAt(50, kTitleContinueTipY);
    const ZorRun run = RunZor(s.text, WithSave(70, SavedGame(PicturesOfPack(0, 5), 5, 1, 10, 0)));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(19, "total"), 5);
    EXPECT_EQ(run.IntAt(49, "stage"), 10);
    EXPECT_EQ(run.IntAt(69, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(69, "stage"), 1);
    EXPECT_EQ(run.IntAt(69, "total"), 10 * BundledPackCount());
    EXPECT_NE(run.stderrText.find("not a usable saved game"), std::string::npos);
}
