// Whole games of the real program: the bonus stage, saving and continuing, the ranking with a typed name,
// the hidden words and a single pack from the selection screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/e2e/GameScript.h"

namespace {
using namespace e2e;

// A one-player game skipped to stage 5 with the typed word, which then times out into the bonus stage.
Script ToTheBonus() {
    Script s;
    s.TitleChoice(kTitleOnePlayerTipY);
    for (int k = 0; k < 4; ++k) s.Type(10 + 10 * k, k == 0 ? "WOSPANK" : "wospank");
    s.Type(60, "mfkdlwpqz");
    return s;
}

// Player 1's pen in the bonus stage starts at (100, 200); each card is turned by moving onto it and
// clicking in the same frame.
void ClearTheTable(Script& s, int frame, const std::string& cards, Point& pen) {
    int turned = 0;
    for (char pair = '0'; pair <= '8'; ++pair) {
        for (size_t i = 0; i < cards.size(); ++i) {
            if (cards[i] != pair) continue;
            const Point card{90 + 80 * int(i % 6) + 20, 85 + 90 * int(i / 6) + 20};
            s.At(frame, "move " + std::to_string(card.x - pen.x) + " " + std::to_string(card.y - pen.y));
            s.Click(frame);
            if (++turned == 9) s.At(frame + 1, "shot bonus.bmp"); // four pairs kept and one card open
            pen = card;
            frame += 2;
        }
    }
}
} // namespace

TEST(ScreensRun, BonusFailsOnTimeOutThenClearsAndSavesForStageSix) {
    const Script prefix = ToTheBonus();
    const ZorRun failed = RunZor(prefix.text, Seeded(6600));
    ASSERT_EQ(failed.exitCode, 0) << failed.stderrText;
    EXPECT_EQ(failed.IntAt(80, "stage"), 5);
    EXPECT_EQ(failed.IntAt(80, "skip"), 1);
    EXPECT_EQ(failed.IntAt(80, "answers"), 1);
    const size_t bonus = FirstFrame(failed, "mode", kModeBonus);
    ASSERT_LT(bonus, failed.frames.size());
    EXPECT_EQ(failed.IntAt(bonus, "p1"), 5); // the five differences not found cost a life each
    EXPECT_EQ(failed.IntAt(bonus, "banner"), kBannerBonusStart);
    EXPECT_EQ(failed.IntAt(bonus, "pairs"), 9);
    const size_t play = FirstFrame(failed, "banner", kBannerHidden, bonus);
    EXPECT_EQ(play, bonus + 64);
    // Stage 5 drains 5 a frame: 320 under the banner, and the whole gauge in 4000 frames.
    EXPECT_EQ(failed.IntAt(bonus, "gauge") - failed.IntAt(play, "gauge"), 5 * 64);
    const size_t fail = FirstFrame(failed, "banner", kBannerFailed, bonus);
    EXPECT_EQ(fail, bonus + 4000);
    const size_t next = FirstFrame(failed, "stage", 6, fail);
    EXPECT_EQ(next, fail + 50);
    EXPECT_EQ(failed.IntAt(next, "mode"), kModePlay);
    EXPECT_EQ(failed.IntAt(next, "p1"), 5);

    Script cleared = prefix;
    const std::string cards = failed.At(bonus, "cards");
    ASSERT_EQ(cards.size(), 18u);
    Point pen{100, 200};
    const int start = int(bonus) + 70;
    ClearTheTable(cleared, start, cards, pen);
    const int chooseAt = start + 40;
    cleared.At(chooseAt, "move " + std::to_string(340 - pen.x) + " " + std::to_string(210 - pen.y));
    cleared.Click(chooseAt + 2);
    const ZorRun won = RunZor(cleared.text, Seeded(chooseAt + 10));
    ASSERT_EQ(won.exitCode, 0) << won.stderrText;
    EXPECT_EQ(won.At(bonus, "cards"), cards);
    EXPECT_EQ(won.IntAt(chooseAt - 1, "pairs"), 0);
    EXPECT_EQ(won.IntAt(chooseAt - 1, "banner"), kBannerCleared);
    EXPECT_EQ(won.IntAt(chooseAt + 3, "stage"), 6);
    EXPECT_EQ(won.IntAt(chooseAt + 3, "mode"), kModePlay);
    const std::string save = ReadFile(won.workDir + "/zor.sav");
    ASSERT_EQ(save.size(), 1016u);
    EXPECT_EQ(Le32(save, 1004), 6);
    EXPECT_EQ(Le32(save, 1008), 5);

    Script resume;
    resume.TitleChoice(kTitleContinueTipY);
    ZorRunOptions options = Seeded(20);
    options.files["zor.sav"] = save;
    const ZorRun continued = RunZor(resume.text, options);
    ASSERT_EQ(continued.exitCode, 0) << continued.stderrText;
    EXPECT_EQ(continued.IntAt(19, "mode"), kModePlay);
    EXPECT_EQ(continued.IntAt(19, "stage"), 6);
    EXPECT_EQ(continued.IntAt(19, "p1"), 5);
}

TEST(ScreensRun, TheContinueChoiceGivesALifeOnlyToAPlayerStillIn) {
    const Script prefix = ToTheBonus();
    const ZorRun toBonus = RunZor(prefix.text, Seeded(2400));
    const size_t bonus = FirstFrame(toBonus, "mode", kModeBonus);
    ASSERT_LT(bonus, toBonus.frames.size()) << toBonus.stderrText;
    ASSERT_EQ(toBonus.IntAt(bonus, "p2"), 0);

    Script s = prefix;
    Point pen{100, 200};
    const int start = int(bonus) + 70;
    ClearTheTable(s, start, toBonus.At(bonus, "cards"), pen);
    const int chooseAt = start + 40;
    // Onto the left half of the result banner (230..320, 194..240): continue.
    s.At(chooseAt, "move " + std::to_string(270 - pen.x) + " " + std::to_string(210 - pen.y));
    s.Click(chooseAt + 2);
    const ZorRun run = RunZor(s.text, Seeded(chooseAt + 10));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(chooseAt - 1, "banner"), kBannerCleared);
    const int lives = run.IntAt(chooseAt - 1, "p1");
    EXPECT_EQ(run.IntAt(chooseAt + 3, "stage"), 6);
    EXPECT_EQ(run.IntAt(chooseAt + 3, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(chooseAt + 3, "p1"), lives + 1);
    EXPECT_EQ(run.IntAt(chooseAt + 3, "p2"), 0);
    EXPECT_FALSE(std::filesystem::exists(run.workDir + "/zor.sav"));
}

TEST(ScreensRun, TheSaveWordDuringStageSevenContinuesAtStageSeven) {
    Script s;
    s.TitleChoice(kTitleOnePlayerTipY);
    for (int k = 0; k < 6; ++k) s.Type(10 + 10 * k, "wospank");
    s.Type(80, "kapvine");
    s.Type(90, "Feltrud");
    const ZorRun run = RunZor(s.text, Seeded(100));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(99, "stage"), 7);
    EXPECT_EQ(run.IntAt(99, "p1"), 11);
    const std::string save = ReadFile(run.workDir + "/zor.sav");
    ASSERT_EQ(save.size(), 1016u);
    EXPECT_EQ(Le32(save, 1004), 7);

    Script resume;
    resume.TitleChoice(kTitleContinueTipY);
    ZorRunOptions options = Seeded(20);
    options.files["zor.sav"] = save;
    const ZorRun continued = RunZor(resume.text, options);
    EXPECT_EQ(continued.IntAt(19, "stage"), 7);
    EXPECT_EQ(continued.IntAt(19, "p1"), 11);
}

TEST(ScreensRun, ACorruptSaveStartsANewGame) {
    Script resume;
    resume.TitleChoice(kTitleContinueTipY);
    ZorRunOptions options = Seeded(20);
    options.files["zor.sav"] = std::string(500, '\x07');
    const ZorRun run = RunZor(resume.text, options);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(19, "stage"), 1);
    EXPECT_EQ(run.IntAt(19, "p1"), 10);
}

TEST(ScreensRun, GameOverEntersATypedNameIntoTheRanking) {
    Script s;
    s.TitleChoice(kTitleOnePlayerTipY);
    // Ten misses after the stage banner, each 12 frames apart (the pen is frozen for ten after a miss),
    // each a little further right and so never the same spot twice.
    for (int k = 0; k < 10; ++k) {
        s.At(80 + 12 * k, "move 3 0");
        s.Click(80 + 12 * k);
    }
    s.At(220, "text \"Kim\xEA\xB9\x80#\"");
    s.At(225, "shot ranking.bmp");
    s.Key(226, "RETURN");
    ZorRunOptions options = Seeded(300);
    std::string lowTable(240, '\0');
    options.files["zor.rnk"] = lowTable; // ten scores of 0: stage 1 enters
    const ZorRun run = RunZor(s.text, options);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    const size_t over = FirstFrame(run, "p1", 0, 80);
    ASSERT_LT(over, 220u) << "a click found a difference";
    EXPECT_EQ(run.IntAt(over + 2, "naming"), 1);
    EXPECT_EQ(run.IntAt(219, "naming"), 1);
    EXPECT_EQ(run.IntAt(227, "naming"), 0);
    EXPECT_EQ(run.IntAt(299, "mode"), kModeTitle);
    const std::string table = ReadFile(run.workDir + "/zor.rnk");
    ASSERT_EQ(table.size(), 240u);
    EXPECT_EQ(Le32(table, 0), 1);
    EXPECT_EQ(std::string(table.c_str() + 4), "Kim\xB1\xE8"); // code page 949, "#" ignored
}

TEST(ScreensRun, ASinglePackFromTheSelectionScreen) {
    Script s;
    s.TitleChoice(kTitlePacksTipY);
    s.At(20, "shot packs.bmp");
    // The "next" arrow (272..311, 353..386), then "one player" (15..204, 426..461).
    const Point tip{kMenuPenStart.x + kPenTipX, kTitlePacksTipY};
    s.At(22, "move " + std::to_string(290 - tip.x) + " " + std::to_string(370 - tip.y));
    s.Click(24);
    s.At(30, "move " + std::to_string(100 - 290) + " " + std::to_string(440 - 370));
    s.Click(32);
    s.Key(120, "ESCAPE");
    const ZorRun run = RunZor(s.text, Seeded(130));
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(10, "mode"), kModeSelect);
    EXPECT_EQ(run.IntAt(10, "pack"), 0);
    EXPECT_EQ(run.IntAt(26, "pack"), 1);
    EXPECT_EQ(run.IntAt(26, "mode"), kModeSelect);
    EXPECT_EQ(run.IntAt(40, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(40, "single"), 1);
    EXPECT_EQ(run.IntAt(40, "stage"), 1);
    EXPECT_EQ(run.At(40, "entry"), "1,0"); // picture 0 of the second pack
    EXPECT_EQ(run.IntAt(125, "mode"), kModeSelect);
    EXPECT_EQ(run.IntAt(125, "pack"), 1);
}

TEST(ScreensRun, ASinglePackEndsAfterItsTenthPictureBackOnTheSelectionScreen) {
    Script s;
    s.TitleChoice(kTitlePacksTipY);
    const Point tip{kMenuPenStart.x + kPenTipX, kTitlePacksTipY};
    s.At(22, "move " + std::to_string(300 - tip.x) + " " + std::to_string(440 - tip.y)); // "two players"
    s.Click(24);
    for (int k = 0; k < 10; ++k) s.Type(30 + 10 * k, "wospank"); // the tenth finds no stage to skip to
    ZorRunOptions options = Seeded(2600);
    options.files["zor.rnk"] = Ranking(100);
    const ZorRun run = RunZor(s.text, options);
    ASSERT_EQ(run.exitCode, 0) << run.stderrText;
    EXPECT_EQ(run.IntAt(26, "single"), 1);
    EXPECT_EQ(run.IntAt(26, "p2"), 10);
    EXPECT_EQ(run.IntAt(125, "stage"), 10);
    EXPECT_EQ(run.At(125, "entry"), "0,9");
    const size_t back = FirstFrame(run, "mode", kModeSelect, 130);
    ASSERT_LT(back, run.frames.size());
    EXPECT_EQ(run.IntAt(back - 1, "p1"), 5); // the ten stages are over: no more stages, no ranking entry
    EXPECT_EQ(run.IntAt(back - 1, "naming"), 0);
}
