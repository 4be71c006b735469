#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "game/control/Globals.h"
#include "game/play/Globals.h"
#include "game/screens/Globals.h"
#include "game/screens/TypedWords.h"
#include "game/texts/GameTexts.h"
#include "tests/screens/ScreenFixture.h"

namespace {
class TypedWordsTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        gRankBoard = CRankBoard{};
        gController.sixthWord = "mfkdlwpqz";
        gController.skipEnabled = 0;
        gController.timeGauge = 100;
        gController.stageNumber = 7;
        gController.stageTotal = 30;
        gController.packCount = 3;
        for (int i = 0; i < 30; ++i) gController.stageOrder[i] = {uint8_t(i % 3), uint8_t(i / 3)};
        gDifferenceMap.showAnswers = 0;
        gPlayer1Pen.lives = 4;
        gPlayer2Pen.lives = 0;
    }
    void Type(const std::string& text) {
        for (char c : text) gRankBoard.OnTypedChar(static_cast<uint8_t>(c));
    }
};

struct WordCase {
    const char* name;
    std::string typed;
    std::function<bool()> took; // the effect is there
};

const WordCase kWordCases[] = {
    {"KapvineGivesLivesToPlayersStillIn", "Kapvine\r",
     [] { return gPlayer1Pen.lives == 5 && gPlayer2Pen.lives == 0; }},
    {"DolmertFillsTheGauge", "dolmert\r", [] { return gController.timeGauge == 20000; }},
    {"QuisbarnoShowsTheAnswers", "QUISBARNO\r", [] { return gDifferenceMap.showAnswers == 1; }},
    {"FeltrudSavesTheCurrentStage", "feltrud\r",
     [] {
         const std::vector<uint8_t> file = ReadAll("zor.sav");
         return file.size() == 1016 && file[1004] == 7 && file[1008] == 4;
     }},
    {"SixthWordEnablesSkipping", "mfkdLWPQZ\r", [] { return gController.skipEnabled == 1; }},
};

class WordEffects : public TypedWordsTest, public ::testing::WithParamInterface<WordCase> {};
} // namespace

TEST_P(WordEffects, TakeEffectAtEnter) {
    const std::string word = GetParam().typed.substr(0, GetParam().typed.size() - 1);
    Type(word);
    EXPECT_FALSE(GetParam().took());
    Type("\r");
    EXPECT_TRUE(GetParam().took());
    EXPECT_EQ(gRankBoard.typedLength, 0u);
    EXPECT_EQ(Plays(EffectMouseClick), 1);
}

TEST_P(WordEffects, ALeadingCharacterDefeatsTheWord) {
    Type(" " + GetParam().typed);
    EXPECT_FALSE(GetParam().took());
    EXPECT_EQ(Plays(EffectMouseClick), 1);
}

TEST_P(WordEffects, TakeEffectInTheEnglishEditionToo) {
    SetGameLanguage(Language::English);
    Type(GetParam().typed);
    SetGameLanguage(Language::Korean);
    EXPECT_TRUE(GetParam().took());
}

INSTANTIATE_TEST_SUITE_P(Words, WordEffects, ::testing::ValuesIn(kWordCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TypedWordsTest, ThirtyOneCharactersKeepThirtySoALaterWordIsLost) {
    Type(std::string(24, 'x') + "kapvine");
    EXPECT_EQ(gRankBoard.typedLength, 30u);
    EXPECT_EQ(std::string(gRankBoard.typed), std::string(24, 'x') + "kapvin");
    EXPECT_EQ(AllPlays(), 0); // typing outside name entry is silent
    Type("\rkapvine\r");
    EXPECT_EQ(gPlayer1Pen.lives, 5);
}

TEST_F(TypedWordsTest, BackspaceCorrectsAWordBeforeEnter) {
    Type("dolmerx\bt\r");
    EXPECT_EQ(gController.timeGauge, 20000);
    EXPECT_EQ(Plays(EffectMouseOver), 1);
}

TEST_F(TypedWordsTest, EnterDuringNameEntryChecksNoWord) {
    ASSERT_EQ(gRankBoard.RankInsert(1000), 1);
    Type("kapvine\r");
    EXPECT_EQ(gPlayer1Pen.lives, 4);
    EXPECT_EQ(std::string(gRankBoard.table[gRankBoard.editedRow].name), "kapvine");
}

TEST(LowerCase, OnlyLettersOutsideDoubleByteCharactersFold) {
    // 0xB0 0x41 is one double-byte character whose trail byte is an "A".
    char text[] = "AbZ\xB0\x41Q@[";
    LowerCaseCp949(text, sizeof text - 1);
    EXPECT_STREQ(text, "abz\xB0\x41q@[");
}

TEST_F(TypedWordsTest, TheSkipWordAfterTheLastStageDoesNothing) {
    gController.stageNumber = gController.stageTotal; // no picture follows
    Type("wospank\r");
    EXPECT_EQ(gController.stageNumber, 30);
    EXPECT_EQ(Plays(EffectMouseClick), 1);
}
