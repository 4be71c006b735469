#include <gtest/gtest.h>

#include "game/control/Globals.h"
#include "game/io/Globals.h"
#include "game/play/StageBanner.h"

namespace {
// Updates until the banner hides; the answers given, in order.
std::vector<int> RunBanner(CStageBanner& banner) {
    std::vector<int> answers;
    while (banner.state != CStageBanner::Hidden && answers.size() < 200)
        answers.push_back(banner.Message(MsgUpdate, 0, 0));
    return answers;
}
} // namespace

TEST(StageBanner, StageStartShowsSixtyFourFrames) {
    CStageBanner banner;
    banner.StageStart(7);
    EXPECT_EQ(banner.stageShown, 7);
    const std::vector<int> answers = RunBanner(banner);
    EXPECT_EQ(answers.size(), 64u);
    for (int a : answers) EXPECT_EQ(a, 1);
    EXPECT_EQ(banner.Message(MsgUpdate, 0, 0), 0); // hidden: nothing to do
}

TEST(StageBanner, GameOverFadesFromStepTwoAndAnswersFourAtSixtyFour) {
    CStageBanner banner;
    banner.GameOver();
    EXPECT_EQ(banner.step, 2);
    const std::vector<int> answers = RunBanner(banner);
    ASSERT_EQ(answers.size(), 62u);
    EXPECT_EQ(answers.back(), CStageBanner::kAnswerGameOverEnded);
}

TEST(StageBanner, FailedBonusAnswers102AfterFiftySteps) {
    CStageBanner banner;
    banner.BonusResult(0);
    EXPECT_EQ(banner.bonusChoice, CStageBanner::ChoiceNone);
    const std::vector<int> answers = RunBanner(banner);
    ASSERT_EQ(answers.size(), 50u);
    EXPECT_EQ(answers.back(), CStageBanner::ChoiceNone);
}

TEST(StageBanner, EitherPenChoosesTheRewardEvenWithoutLives) {
    gInput = InputState{};
    PenReset(gPlayer1Pen, PenPlayer1);
    PenReset(gPlayer2Pen, PenPlayer2);
    PenResetBonus(gPlayer1Pen);
    PenResetBonus(gPlayer2Pen);
    gPlayer2Pen.lives = 0;
    gPlayer2Pen.x = 321; // the save half, at its left edge
    gPlayer2Pen.y = 240;
    gSpaceArmed = 1;
    CStageBanner banner;
    banner.BonusResult(1);
    EXPECT_EQ(banner.Message(MsgUpdate, 0, 0), 1);
    EXPECT_EQ(banner.bonusChoice, CStageBanner::ChoiceSave);
    gInput.keys[0x39] = 0x80; // player 2 clicks with SPACE
    EXPECT_EQ(banner.Message(MsgUpdate, 0, 0), CStageBanner::ChoiceSave);
}
