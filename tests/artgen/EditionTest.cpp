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

// Text drawn in a picture of the English edition: refused when it holds Hangul of any block.
struct TextCase {
    const char* text;
    bool refused;
};
class EnglishTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(EnglishTextTest, IsRefusedWhenItHoldsHangul) {
    Canvas canvas(4, 4);
    SetEdition(canvas.Context(), Language::English);
    const TextCase& c = GetParam();
    if (c.refused)
        EXPECT_THROW(Paint::Text(canvas.Context(), c.text, 2, 2, Paint::TextStyle{}), std::runtime_error);
    else
        EXPECT_NO_THROW(Paint::Text(canvas.Context(), c.text, 2, 2, Paint::TextStyle{}));
}

INSTANTIATE_TEST_SUITE_P(Texts, EnglishTextTest,
                         ::testing::Values(TextCase{"", false}, TextCase{"GAME OVER", false},
                                           TextCase{"Caf\xC3\xA9 \xE2\x98\x85 ~!", false}, // accent, star
                                           TextCase{"\xE3\x81\x82", false},                // hiragana
                                           TextCase{"1P 시간", true},                      // syllables
                                           TextCase{"\xE3\x84\xB1", true},  // compatibility jamo
                                           TextCase{"\xE1\x84\x80", true},  // leading jamo
                                           TextCase{"\xEF\xBE\xA1", true}), // halfwidth jamo
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
    EXPECT_NO_THROW(BuildAsset(kLabelled, Language::Korean));
    EXPECT_NO_THROW(BuildAsset(kTwins, Language::English));
    try {
        BuildAsset(kLabelled, Language::English);
        ADD_FAILURE() << "Hangul was drawn in an English picture";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("label.bmp"), std::string::npos) << e.what();
    }
}

TEST(EditionDrawing, AContextPicksTheWordsAndFacesOfItsEdition) {
    Canvas canvas(4, 4);
    cairo_t* cr = canvas.Context();
    const Paint::Words words{"준비~", "Ready~"};
    EXPECT_EQ(EditionOf(cr), Language::Korean); // never given one
    EXPECT_STREQ(Paint::Pick(cr, words), "준비~");
    SetEdition(cr, Language::English);
    EXPECT_STREQ(Paint::Pick(cr, words), "Ready~");
    EXPECT_EQ(Paint::Fit(cr, words, Paint::TextStyle{}, 400).font, LatinTwin(Paint::TextStyle{}.font));
    EXPECT_NE(LatinTwin(Paint::TextStyle{}.font), Paint::TextStyle{}.font);
    EXPECT_EQ(LatinTwin("Comic Neue Bold"), "Comic Neue Bold"); // already Latin
    SetEdition(cr, Language::Korean);
    EXPECT_STREQ(Paint::Pick(cr, words), "준비~");
}

TEST(EditionDrawing, AFaceThatIsNotInstalledIsAnErrorNotAQuietStandIn) {
    Canvas canvas(4, 4);
    Paint::TextStyle style;
    EXPECT_NO_THROW(Paint::Text(canvas.Context(), "Go", 2, 2, style));
    style.font = LatinTwin(style.font);
    EXPECT_NO_THROW(Paint::Text(canvas.Context(), "Go", 2, 2, style));
    style.font = "No Such Face Zq Bold";
    EXPECT_THROW(Paint::Text(canvas.Context(), "Go", 2, 2, style), std::runtime_error);
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
        "LoadBack.bmp",  "loadBtn.bmp",    "Options.bmp",      "OptionsEtc.bmp", "OptionsBack.bmp",
        "LoadToday.bmp", "LoadEndless.bmp"};
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
