#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/control/Random.h"
#include "game/screens/Globals.h"
#include "game/texts/GameTexts.h"
#include "tests/screens/ScreenFixture.h"

namespace {
// A table of scores 100, 90, ... 10 named "row0" .. "row9".
std::array<RankEntry, CRankBoard::kRows> Tens() {
    std::array<RankEntry, CRankBoard::kRows> t;
    for (int i = 0; i < CRankBoard::kRows; ++i) {
        t[i].score = 100 - 10 * i;
        std::snprintf(t[i].name, sizeof t[i].name, "row%d", i);
    }
    return t;
}

class RankTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        gRankBoard = CRankBoard{};
    }
    void WriteTable(const std::array<RankEntry, CRankBoard::kRows>& t) {
        dir.Write("zor.rnk", EncodeRankTable(t));
    }
    void Type(const std::string& text) {
        for (char c : text) gRankBoard.OnTypedChar(static_cast<uint8_t>(c));
    }
    std::string Name(int row) const { return std::string(gRankBoard.table[row].name); }
};
} // namespace

TEST_F(RankTest, AScoreEqualToTheTenthEntersInItsPlace) {
    WriteTable(Tens());
    EXPECT_EQ(gRankBoard.RankInsert(10), 1);
    EXPECT_EQ(gRankBoard.nameEntry, 1);
    EXPECT_EQ(gRankBoard.editedRow, 9);
    EXPECT_EQ(gRankBoard.table[9].score, 10);
    EXPECT_EQ(Name(9), "");
    EXPECT_EQ(Plays(EffectRank), 1);
}

TEST_F(RankTest, ALowerScoreIsRefusedWithoutASound) {
    WriteTable(Tens());
    EXPECT_EQ(gRankBoard.RankInsert(9), 0);
    EXPECT_EQ(gRankBoard.nameEntry, 0);
    EXPECT_EQ(AllPlays(), 0);
}

TEST_F(RankTest, AScoreAboveAllBecomesRowZeroAndTheTenthLeaves) {
    WriteTable(Tens());
    ASSERT_EQ(gRankBoard.RankInsert(500), 1);
    EXPECT_EQ(gRankBoard.editedRow, 0);
    EXPECT_EQ(gRankBoard.table[0].score, 500);
    EXPECT_EQ(gRankBoard.table[1].score, 100);
    EXPECT_EQ(Name(1), "row0");
    EXPECT_EQ(gRankBoard.table[9].score, 20);
}

TEST_F(RankTest, TwentyLettersKeepFourteenAndEachSounds) {
    WriteTable(Tens());
    ASSERT_EQ(gRankBoard.RankInsert(50), 1);
    const int row = gRankBoard.editedRow;
    Type("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(Name(row), "ABCDEFGHIJKLMN");
    EXPECT_EQ(Plays(EffectMouseOver), 20);
}

struct TypedCase {
    const char* name;
    std::string keys;
    std::string kept;
    int mouseOver;
    Language language = Language::Korean;
};

class NameEntryKeys : public RankTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(NameEntryKeys, ChangeTheNameAsTyped) {
    WriteTable(Tens());
    SetGameLanguage(GetParam().language);
    ASSERT_EQ(gRankBoard.RankInsert(50), 1);
    Type(GetParam().keys);
    SetGameLanguage(Language::Korean);
    EXPECT_EQ(Name(gRankBoard.editedRow), GetParam().kept);
    EXPECT_EQ(Plays(EffectMouseOver), GetParam().mouseOver);
    EXPECT_EQ(Plays(EffectMouseClick), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, NameEntryKeys,
    ::testing::Values(TypedCase{"HashAndPercentIgnored", "a#%b", "ab", 2},
                      TypedCase{"DollarApostropheTabEscapeIgnored", "a$'\t\x1b", "a", 1},
                      TypedCase{"AmpersandAppended", "a&", "a&", 2},
                      TypedCase{"BackspaceOnEmpty", "\b", "", 1},
                      TypedCase{"BackspaceRemovesOneByteOfAKoreanSyllable", "\xB0\xA1\xB0\xA1\b",
                                "\xB0\xA1\xB0", 5},
                      TypedCase{"KoreanSyllablesTakeTwoBytesOfFourteen",
                                "\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1",
                                "\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1\xB0\xA1", 16},
                      // The English edition: Latin letters, digits and spaces; anything else is refused
                      // without a sound, and backspace works as ever.
                      TypedCase{"EnglishLettersDigitsSpaces", "Ann Lee 2", "Ann Lee 2", 9, Language::English},
                      TypedCase{"EnglishRefusesPunctuation", "a-b&c.", "abc", 3, Language::English},
                      TypedCase{"EnglishRefusesKoreanBytes", "\xB0\xA1z\b\b", "", 3, Language::English}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RankTest, WithoutAFileTheDefaultTableEntersAndEnterWritesTenEntries) {
    SeedRandom(5);
    ASSERT_EQ(gRankBoard.RankInsert(20), 1); // default scores are 0..19
    for (int i = 1; i < CRankBoard::kRows; ++i) {
        EXPECT_LT(gRankBoard.table[i].score, 20);
        EXPECT_TRUE(Name(i) == "QAN TEAM -Pim-" || Name(i) == "QAN TEAM -Vorn-") << Name(i);
    }
    Type("kim\r");
    EXPECT_EQ(gRankBoard.nameEntry, 0);
    EXPECT_EQ(Plays(EffectMouseClick), 1);
    const std::vector<uint8_t> file = ReadAll(Here("zor.rnk"));
    ASSERT_EQ(file.size(), 240u);
    EXPECT_EQ(file[0], 20);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[4])), "kim");
}

TEST_F(RankTest, AShortFileKeepsTheRestOfTheDefaultTable) {
    std::vector<uint8_t> bytes = EncodeRankTable(Tens());
    bytes.resize(2 * CRankBoard::kEntryBytes + 5); // two whole entries and part of a third
    dir.Write("zor.rnk", bytes);
    SeedRandom(5);
    gRankBoard.RankRead();
    EXPECT_EQ(gRankBoard.table[0].score, 100);
    EXPECT_EQ(Name(1), "row1");
    for (int i = 2; i < CRankBoard::kRows; ++i) {
        EXPECT_LT(gRankBoard.table[i].score, 20);
        EXPECT_EQ(Name(i).rfind("QAN TEAM -", 0), 0u) << Name(i);
    }
}

TEST_F(RankTest, AFullNameFieldIsKeptWithoutRunningPastIt) {
    std::vector<uint8_t> bytes = EncodeRankTable(Tens());
    std::memset(&bytes[4], 'x', RankEntry::kNameBytes); // no terminator in row 0's field
    dir.Write("zor.rnk", bytes);
    gRankBoard.RankRead();
    EXPECT_EQ(std::string(gRankBoard.table[0].name, RankEntry::kNameBytes), std::string(20, 'x'));
    EXPECT_EQ(EncodeRankTable(gRankBoard.table), bytes);
}

TEST_F(RankTest, AnUnwritableFileKeepsTheTableInMemory) {
    std::filesystem::create_directory(Here("zor.rnk"));
    SeedRandom(1);
    ASSERT_EQ(gRankBoard.RankInsert(30), 1);
    Type("lee\r");
    EXPECT_EQ(gRankBoard.nameEntry, 0);
    EXPECT_EQ(Name(0), "lee");
    EXPECT_TRUE(std::filesystem::is_directory(Here("zor.rnk")));
}
