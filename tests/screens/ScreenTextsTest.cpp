#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/screens/Globals.h"
#include "platform/Cp949.h"

namespace {
bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}
} // namespace

// Every slot holds its whole text within 20 bytes of code page 949: nothing dropped by the conversion and
// nothing cut by the field.
TEST(IntroText, EverySlotFitsWhole) {
    for (int i = 0; i < kIntroSlots; ++i) {
        const char* bytes = gIntroScene.lines[i];
        EXPECT_LE(std::strlen(bytes), 20u) << i;
        EXPECT_EQ(Cp949ToUtf8(bytes), kIntroLines[i]) << i;
    }
}

TEST(IntroText, DialogueEmptySlotsAndClosingPage) {
    const std::string speakers[] = {"달이:", "별이:"};
    for (int i = 0; i <= 48; ++i) {
        const std::string line = kIntroLines[i];
        const bool opens = StartsWith(line, speakers[0]) || StartsWith(line, speakers[1]);
        EXPECT_TRUE(opens || StartsWith(line, " ")) << i << " " << line;
    }
    EXPECT_TRUE(StartsWith(kIntroLines[0], speakers[0]));
    for (int i = 49; i <= 51; ++i) EXPECT_STREQ(gIntroScene.lines[i], "") << i;
    EXPECT_NE(std::string(kIntroLines[52]).find("1999"), std::string::npos);
    EXPECT_NE(std::string(kIntroLines[53]).find("QAN TEAM"), std::string::npos);
}

TEST(Credits, EveryLineFitsWholeInThirtyNineBytes) {
    for (int i = 0; i < kCreditLines; ++i) {
        const char* bytes = gEndingScene.credits[i];
        EXPECT_LE(std::strlen(bytes), 39u) << i;
        EXPECT_EQ(Cp949ToUtf8(bytes), kCredits[i]) << i;
    }
}

TEST(Credits, RoleAdviserAndTesterLinesHaveTheColonAfterElevenBytes) {
    for (int i = 6; i <= 17; ++i) {
        const std::string bytes = gEndingScene.credits[i];
        ASSERT_GT(bytes.size(), 12u) << i;
        EXPECT_EQ(bytes[11], ':') << i;
        EXPECT_NE(bytes.find("QAN TEAM"), std::string::npos) << i;
    }
    EXPECT_NE(std::string(kCredits[4]).find("1999/02/28"), std::string::npos);
    EXPECT_NE(std::string(kCredits[5]).find("1999/07/01"), std::string::npos);
}

namespace {
struct FitCase {
    const char* text; // code page 949 bytes
    size_t limit;
    size_t fits;
};
class FitText : public ::testing::TestWithParam<FitCase> {};
} // namespace

TEST_P(FitText, KeepsWholeCharactersOnly) {
    EXPECT_EQ(FitCp949(GetParam().text, GetParam().limit), GetParam().fits);
}

INSTANTIATE_TEST_SUITE_P(Rows, FitText,
                         ::testing::Values(FitCase{"abc", 5, 3}, FitCase{"abc", 2, 2},
                                           FitCase{"\xb0\xa1\xb3\xaa", 3, 2}, // two syllables, room for one
                                           FitCase{"a\xb0\xa1", 2, 1}, FitCase{"\xb0\xa1", 1, 0},
                                           FitCase{"ab\xb0", 9, 2}, // a lead byte cut at the end
                                           FitCase{"\x80\xff", 9, 2}));

TEST(FitText, ALongTextIsCutAtAWholeCharacter) {
    const char* const texts[] = {"가나다"};
    const Cp949Lines<1, 6> table(texts);
    EXPECT_EQ(Cp949ToUtf8(table[0]), "가나");
}
