#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "game/screens/PackInfo.h"
#include "tests/packgen/PairFixture.h"
#include "tools/packgen/PackChecker.h"
#include "tools/packgen/PackFormat.h"
#include "tools/packgen/SuggestRecall.h"
#include "tools/pairs/Verifier.h"

namespace fs = std::filesystem;

namespace {
std::vector<fs::path> BundledPacks(fs::path& dir) {
    const char* env = std::getenv("ZOR_TEST_DATA_DIR");
    dir = env ? env : "";
    std::vector<fs::path> packs;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec)) {
        if (entry.path().extension() == ".zor") packs.push_back(entry.path());
    }
    std::sort(packs.begin(), packs.end());
    return packs;
}

std::vector<uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
} // namespace

TEST(BundledPacks, EveryPairPassesTheCheckAndEveryPackHasItsInfoFiles) {
    fs::path dir;
    const auto packs = BundledPacks(dir);
    if (packs.empty()) GTEST_SKIP() << "no built data directory at '" << dir << "'";
    EXPECT_GE(packs.size(), 4u);
    int lastStars = 0;
    for (const fs::path& pack : packs) {
        std::ostringstream log;
        EXPECT_TRUE(CheckPack(pack.string(), log)) << log.str();
        const std::vector<uint8_t> info = ReadAll(dir / PackInfoFileName(pack.filename().string()));
        ASSERT_EQ(info.size(), kInfoFileSize) << pack;
        EXPECT_GE(info[0], lastStars) << pack << ": packs rise in difficulty";
        lastStars = info[0];
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&info[1])), "QAN TEAM");
        // The English twin: the same stars and maker, ASCII lines.
        const std::vector<uint8_t> english = ReadAll(dir / EnglishPackInfoFileName(pack.filename().string()));
        ASSERT_EQ(english.size(), kInfoFileSize) << pack;
        EXPECT_EQ(english[0], info[0]) << pack;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&english[1])), "QAN TEAM");
        EXPECT_TRUE(std::all_of(english.begin(), english.end(), [](uint8_t b) { return b < 0x80; })) << pack;
        EXPECT_NE(english[33], 0) << pack << ": a first line";
    }
}

TEST(BundledPacks, SamplePairForTheEditorPasses) {
    fs::path dir;
    if (BundledPacks(dir).empty()) GTEST_SKIP() << "no built data directory";
    const std::vector<uint8_t> map = ReadAll(dir / "sample.map");
    ASSERT_EQ(map.size(), kMapFileBytes);
    const PairReport report = VerifyPair(Decode(ReadAll(dir / "sample.jpg")), DecodeMap(map));
    EXPECT_TRUE(report.Ok()) << report.Summary();
}

TEST(BundledPacks, SuggestFindsNearlyEveryTrueRectangleFromThePicturesAlone) {
    fs::path dir;
    const auto packs = BundledPacks(dir);
    if (packs.empty()) GTEST_SKIP() << "no built data directory";
    SuggestRecall recall;
    std::string error;
    ASSERT_TRUE(MeasureSuggestRecall({packs.begin(), packs.end()}, recall, error)) << error;
    EXPECT_EQ(recall.rectangles, int(packs.size()) * 50);
    EXPECT_GE(recall.Fraction(), 0.95) << recall.found << " of " << recall.rectangles;
}
