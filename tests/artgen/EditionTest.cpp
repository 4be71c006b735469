// The English edition of the archives: its words are refused when Hangul, and its archives are the
// Korean ones with the pictures that carry words drawn again.
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>

#include "game/gfx/Archive.h"
#include "tools/artgen/Build.h"
#include "tools/artgen/Canvas.h"
#include "tools/artgen/Edition.h"
#include "tools/artgen/Paint.h"

namespace {
namespace fs = std::filesystem;

struct HangulCase {
    const char* text;
    bool hangul;
};
class HangulTest : public ::testing::TestWithParam<HangulCase> {};

TEST_P(HangulTest, IsFoundInEveryBlockAndNowhereElse) {
    EXPECT_EQ(HasHangul(GetParam().text), GetParam().hangul) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, HangulTest,
                         ::testing::Values(HangulCase{"", false}, HangulCase{"GAME OVER", false},
                                           HangulCase{"Caf\xC3\xA9 \xE2\x98\x85 ~!", false}, // accent, star
                                           HangulCase{"\xE3\x81\x82", false},                // hiragana
                                           HangulCase{"1P 시간", true},                      // syllables
                                           HangulCase{"\xE3\x84\xB1", true}, // compatibility jamo
                                           HangulCase{"\xE1\x84\x80", true}, // leading jamo
                                           HangulCase{"\xEF\xBE\xA1", true}, // halfwidth jamo
                                           HangulCase{"\xED\x9E\xA3", true}, // last syllable
                                           HangulCase{"\xEA\xB0", false},    // a syllable cut short
                                           HangulCase{"\xFF\xFE", false}),   // bytes that are no UTF-8
                         [](const auto& info) { return "case" + std::to_string(info.index); });

void DrawHangulLabel(cairo_t* cr, const AssetSpec&) {
    Paint::Text(cr, "스테이지", 4, 4, Paint::TextStyle{});
}
void DrawTwinWords(cairo_t* cr, const AssetSpec&) {
    Paint::Text(cr, Paint::Words{"스테이지", "STAGE"}, 4, 4, Paint::TextStyle{});
}
constexpr AssetSpec kLabelled{ArchiveId::Main, "label.bmp",    Format::Bmp24, 8, 8, 8, 8, 1, 8,
                              false,           DrawHangulLabel};
constexpr AssetSpec kTwins{ArchiveId::Main, "twins.bmp",  Format::Bmp24, 8, 8, 8, 8, 1, 8,
                           false,           DrawTwinWords};

TEST(EditionDrawing, HangulIsRefusedOnlyInEnglishPicturesAndTheErrorNamesTheEntry) {
    EXPECT_NO_THROW(BuildAsset(kLabelled, Edition::Korean));
    EXPECT_NO_THROW(BuildAsset(kTwins, Edition::English));
    try {
        BuildAsset(kLabelled, Edition::English);
        ADD_FAILURE() << "Hangul was drawn in an English picture";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("label.bmp"), std::string::npos) << e.what();
    }
}

TEST(EditionDrawing, AContextPicksTheWordsAndFacesOfItsEdition) {
    Canvas canvas(4, 4);
    cairo_t* cr = canvas.Context();
    const Paint::Words words{"준비~", "Ready~"};
    EXPECT_EQ(EditionOf(cr), Edition::Korean); // never given one
    EXPECT_STREQ(Paint::Pick(cr, words), "준비~");
    SetEdition(cr, Edition::English);
    EXPECT_STREQ(Paint::Pick(cr, words), "Ready~");
    EXPECT_EQ(Paint::Fit(cr, words, Paint::TextStyle{}, 400).font, LatinTwin(Paint::TextStyle{}.font));
    EXPECT_NE(LatinTwin(Paint::TextStyle{}.font), Paint::TextStyle{}.font);
    EXPECT_EQ(LatinTwin("Comic Neue Bold"), "Comic Neue Bold"); // already Latin
    SetEdition(cr, Edition::Korean);
    EXPECT_STREQ(Paint::Pick(cr, words), "준비~");

    Edition parsed = Edition::Korean;
    EXPECT_TRUE(ParseEdition("en", parsed));
    EXPECT_EQ(parsed, Edition::English);
    EXPECT_FALSE(ParseEdition("EN", parsed));
    EXPECT_FALSE(ParseEdition("", parsed));
}

// The entries of one built archive, by name.
std::vector<std::pair<std::string, std::vector<uint8_t>>> Entries(const fs::path& path) {
    Archive archive;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> entries;
    if (archive.Open(path.string()) != 1) return entries;
    for (int i = 0; i < archive.Count(); ++i) {
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(archive.ReadEntryAt(i, bytes));
        entries.emplace_back(archive.NameAt(i), std::move(bytes));
    }
    return entries;
}

TEST(EditionArchives, EnglishTwinsHoldTheSameEntriesAndRedrawOnlyThePicturesWithWords) {
    const char* dir = std::getenv("ZOR_TEST_DATA_DIR");
    if (!dir || !fs::exists(fs::path(dir) / "en" / "zor.res")) GTEST_SKIP() << "no built English archives";
    // Every picture that shows words anywhere in it, the frame pieces under the top bar and the counter,
    // the highlights cut from screens with words, and the television's words among its cells.
    const std::set<std::string> withWords = {
        "loading.pcx",   "backUp.bmp",     "backBottom.bmp",   "FireGage.pcx",   "gameOver1.bmp",
        "gameOver2.bmp", "StageBack.bmp",  "stageReadyGo.bmp", "GameOver.bmp",   "BonusMsg.bmp",
        "BonusMDN.bmp",  "BonusStart.bmp", "TitleEtc.bmp",     "scoreBoard.bmp", "LogoBack.pcx",
        "introBack.Pcx", "endBack.pcx",    "endTV1.bmp",       "Title03.bmp",    "select6.BMP",
        "LoadBack.bmp",  "loadBtn.bmp"};
    std::set<std::string> redrawn;
    for (const char* file : {"zor.res", "zor2.res"}) {
        const auto korean = Entries(fs::path(dir) / file);
        const auto english = Entries(fs::path(dir) / "en" / file);
        ASSERT_FALSE(korean.empty()) << file;
        ASSERT_EQ(english.size(), korean.size()) << file;
        for (size_t i = 0; i < korean.size(); ++i) {
            ASSERT_EQ(english[i].first, korean[i].first) << file << " slot " << i;
            if (english[i].second != korean[i].second) redrawn.insert(korean[i].first);
        }
    }
    EXPECT_EQ(redrawn, withWords); // sounds and pictures without words are the same bytes
}

} // namespace
