#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/texts/GameTexts.h"
#include "game/texts/TextTable.h"
#include "platform/Cp949.h"

namespace {
bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

// The Korean texts as code page 949 bytes, one a line in id order, taken from the game before the texts
// moved into the table.
std::vector<std::string> GoldenKorean() {
    std::ifstream in(std::string(ZOR_GOLDEN_DIR) + "/korean-texts.cp949", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The printf conversions of a text in order ("%s%d"), so that both editions take the same arguments.
std::string Conversions(const std::string& text) {
    std::string out;
    for (size_t at = text.find('%'); at != std::string::npos && at + 1 < text.size();
         at = text.find('%', at + 2))
        out += text.substr(at, 2);
    return out;
}

struct Edition {
    Language language;
    std::vector<const char*> texts; // by id, null where the table has none
    std::vector<std::string> bytes; // code page 949 as the game draws them
};

Edition Load(Language language) {
    Edition e{language, std::vector<const char*>(kTextCount, nullptr), {}};
    for (const TextEntry& entry : TextTable(language)) {
        EXPECT_TRUE(entry.id >= 0 && entry.id < kTextCount) << entry.id;
        EXPECT_EQ(e.texts[entry.id], nullptr) << LanguageCode(language) << " has id " << entry.id << " twice";
        e.texts[entry.id] = entry.utf8;
    }
    SetGameLanguage(language);
    for (int id = 0; id < kTextCount; ++id) e.bytes.push_back(GameText(TextId(id)));
    SetGameLanguage(Language::Korean);
    return e;
}
} // namespace

TEST(GameTexts, KoreanTextsAndTheirBytesAreTheOnesTheGameShowedBefore) {
    const Edition korean = Load(Language::Korean);
    const std::vector<std::string> golden = GoldenKorean();
    ASSERT_EQ(golden.size(), size_t(kTextCount));
    for (int id = 0; id < kTextCount; ++id) {
        ASSERT_NE(korean.texts[id], nullptr) << id;
        EXPECT_EQ(korean.bytes[id], golden[id]) << id;
        EXPECT_EQ(Cp949ToUtf8(golden[id]), korean.texts[id]) << id;
    }
}

// Every id has a text in both editions that fits its place whole; the English ones are ASCII and take the
// same printf arguments as the Korean ones.
TEST(GameTexts, EveryIdHasBothTextsAndEachFitsWhole) {
    const Edition editions[] = {Load(Language::Korean), Load(Language::English)};
    for (const Edition& e : editions)
        for (int id = 0; id < kTextCount; ++id) {
            ASSERT_NE(e.texts[id], nullptr) << LanguageCode(e.language) << " lacks id " << id;
            EXPECT_EQ(Cp949ToUtf8(e.bytes[id]), e.texts[id]) << LanguageCode(e.language) << " id " << id;
            EXPECT_LE(e.bytes[id].size(), TextByteLimit(TextId(id))) << id;
        }
    for (int id = 0; id < kTextCount; ++id) {
        const std::string english = editions[1].texts[id];
        for (const char c : english)
            EXPECT_LT(static_cast<unsigned char>(c), 0x80) << "id " << id << ": " << english;
        EXPECT_EQ(Conversions(english), Conversions(editions[0].texts[id])) << id;
        // A text empty in one edition is empty in the other (the intro's blank slots).
        EXPECT_EQ(english.empty(), std::string(editions[0].texts[id]).empty()) << id;
    }
}

// The layout the screens rely on, in both editions: the intro's speakers and continuation lines, its closing
// page, the credits' colon after the eleven-byte label.
TEST(GameTexts, IntroAndCreditsKeepTheirLayoutInBothEditions) {
    const struct {
        Language language;
        std::set<std::string> speakers;
    } rows[] = {{Language::Korean, {"달이:", "별이:"}}, {Language::English, {"Moon:", "Star:"}}};
    for (const auto& row : rows) {
        const Edition e = Load(row.language);
        for (int i = 0; i <= 48; ++i) {
            const std::string line = e.texts[IntroText(i)];
            const std::string head = line.substr(0, line.find(':') + 1);
            EXPECT_TRUE(row.speakers.count(head) || StartsWith(line, " ")) << i << " " << line;
        }
        for (int i = 49; i <= 51; ++i) EXPECT_EQ(e.bytes[IntroText(i)], "") << i;
        EXPECT_NE(e.bytes[IntroText(52)].find("1999"), std::string::npos);
        EXPECT_NE(e.bytes[IntroText(53)].find("QAN TEAM"), std::string::npos);
        for (int i = 6; i <= 17; ++i) {
            const std::string& bytes = e.bytes[CreditText(i)];
            ASSERT_GT(bytes.size(), kCreditLabelBytes + 1) << i;
            EXPECT_EQ(bytes[kCreditLabelBytes], ':') << i << " " << bytes;
            EXPECT_NE(bytes.find("QAN TEAM"), std::string::npos) << i;
        }
        EXPECT_NE(e.bytes[CreditText(4)].find("1999/02/28"), std::string::npos);
        EXPECT_NE(e.bytes[CreditText(5)].find("1999/07/01"), std::string::npos);
    }
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
