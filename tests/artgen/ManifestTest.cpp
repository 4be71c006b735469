// Every picture of the manifest, loaded from the built archives of both editions through the game's own
// loaders.
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "game/gfx/Archive.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Surface.h"
#include "tests/support/MessageLog.h"
#include "tools/artgen/Edition.h"
#include "tools/artgen/Manifest.h"

namespace {
namespace fs = std::filesystem;

std::string DataDir() {
    const char* dir = std::getenv("ZOR_TEST_DATA_DIR");
    return dir ? dir : "";
}

// An entry of the manifest in the archives of one edition.
struct EditionAsset {
    Language edition;
    AssetSpec spec;
};

class ManifestTest : public ::testing::TestWithParam<EditionAsset> {
  protected:
    void SetUp() override {
        const fs::path path = fs::path(DataDir()) / EditionFolder(GetParam().edition) /
                              ArchiveFileName(GetParam().spec.archive);
        if (DataDir().empty() || !fs::exists(path)) GTEST_SKIP() << "no built archive at " << path;
        ASSERT_EQ(archive.Open(path.string()), 1);
        SetErrorSink(&log);
    }
    void TearDown() override { SetErrorSink(nullptr); }

    // Loads the entry the way the game does: strips with their cell size, other pictures whole.
    bool Load(Surface& s) {
        const AssetSpec& a = GetParam().spec;
        const bool strip = a.cells > 1 && a.stride == a.cellWidth;
        const int cw = strip ? a.cellWidth : 0, ch = strip ? a.cellHeight : 0;
        if (a.format == Format::Pcx256) return s.LoadPcx256(&archive, a.name, cw, ch);
        return s.LowLoadBmpBit(&archive, a.name, cw, ch);
    }

    Archive archive;
    MessageLog log;
};

TEST_P(ManifestTest, LoadsWithItsGeometry) {
    const AssetSpec& a = GetParam().spec;
    Surface s;
    ASSERT_TRUE(Load(s)) << (log.lines.empty() ? "" : log.lines[0]);
    EXPECT_TRUE(log.lines.empty());
    EXPECT_EQ(s.width, a.width);
    EXPECT_EQ(s.height, a.height);
    if (a.stride == a.cellWidth) {
        EXPECT_EQ(s.cellWidth, a.cellWidth);
        EXPECT_EQ(s.cellHeight, a.cellHeight);
        EXPECT_EQ(s.width / s.cellWidth, a.cells);
    }
}

TEST_P(ManifestTest, KeyIsUsedOnlyWhereThePictureIsDrawnKeyed) {
    // Pictures drawn without the key cover every pixel; keyed ones have a transparent background and
    // something drawn in every cell.
    const AssetSpec& a = GetParam().spec;
    Surface s;
    ASSERT_TRUE(Load(s));
    for (int cell = 0; cell < a.cells; ++cell) {
        int transparent = 0;
        for (int y = 0; y < a.cellHeight; ++y)
            for (int x = 0; x < a.cellWidth; ++x) transparent += s.surface->At(cell * a.stride + x, y) == 0;
        const int area = a.cellWidth * a.cellHeight;
        if (a.keyed) {
            EXPECT_GT(transparent, 0) << "cell " << cell;
            EXPECT_LT(transparent, area) << "cell " << cell;
        } else {
            EXPECT_EQ(transparent, 0) << "cell " << cell;
        }
    }
}

std::vector<EditionAsset> BothEditions() {
    std::vector<EditionAsset> all;
    for (Language edition : {Language::Korean, Language::English})
        for (const AssetSpec& spec : Manifest()) all.push_back({edition, spec});
    return all;
}

std::string Name(const ::testing::TestParamInfo<EditionAsset>& info) {
    std::string name =
        std::string(info.param.edition == Language::English ? "en_" : "ko_") + info.param.spec.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Assets, ManifestTest, ::testing::ValuesIn(BothEditions()), Name);

TEST(ManifestNames, EveryEntryTheGameAsksForIsListedOnce) {
    const char* const kMain[] = {
        "loading.pcx",    "backUp.bmp",    "backLeft.bmp",  "backRight.bmp",  "backBottom.bmp",
        "backEtc.bmp",    "FireGage.pcx",  "Number.bmp",    "CheckYes.bmp",   "CheckYes1P.bmp",
        "CheckYes2P.bmp", "CheckNo.bmp",   "Pen1P.bmp",     "Pen2P.bmp",      "Life.bmp",
        "BonusHd.bmp",    "gameOver1.bmp", "gameOver2.bmp", "StageBack.bmp",  "stageReadyGo.bmp",
        "GameOver.bmp",   "BonusMsg.bmp",  "BonusMDN.bmp",  "BonusStart.bmp", "TitleEtc.bmp",
        "scoreBoard.bmp", "LogoBack.pcx",  "LogoItem.bmp",  "introBack.Pcx",  "introDal1.bmp",
        "introDal2.bmp",  "endBack.pcx",   "endTV1.bmp",    "endTV2.bmp",     "BonusBk.bmp",
        "BonusFt1.bmp",   "BonusFt2.bmp",  "bonusBack.bmp"};
    const char* const kSecond[] = {"Title03.bmp",  "select6.BMP",    "LoadBack.bmp",
                                   "LoadStar.bmp", "loadArrow.bmp",  "loadBtn.bmp",
                                   "Options.bmp",  "OptionsEtc.bmp", "OptionsBack.bmp", "LoadToday.bmp", "LoadEndless.bmp"};
    auto count = [](const char* name, ArchiveId archive) {
        int n = 0;
        for (const AssetSpec& a : Manifest()) n += std::string(a.name) == name && a.archive == archive;
        return n;
    };
    for (const char* name : kMain) EXPECT_EQ(count(name, ArchiveId::Main), 1) << name;
    for (const char* name : kSecond) EXPECT_EQ(count(name, ArchiveId::Second), 1) << name;
    EXPECT_EQ(Manifest().size(), std::size(kMain) + std::size(kSecond));
}

} // namespace
