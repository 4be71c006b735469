#include <gtest/gtest.h>

#include <sstream>

#include "tests/packgen/PairFixture.h"
#include "tests/support/TestFiles.h"
#include "tools/packgen/PackChecker.h"
#include "tools/packgen/PairCommands.h"
#include "tools/pairs/Verifier.h"

namespace {
using namespace pair_layout;

struct Streams {
    std::ostringstream out, err;
};

// Ten copies of the sample pair in a directory, as STEM.jpg + STEM.map, names in mixed case.
void WriteTenPairs(const TempDir& dir) {
    for (int i = 0; i < kPicturesPerPack; ++i) {
        const std::string stem = (i % 2 ? "Photo" : "photo") + std::to_string(i);
        dir.Write(stem + (i % 3 ? ".jpg" : ".JPG"), SamplePair().jpeg);
        dir.Write(stem + (i % 2 ? ".MAP" : ".map"), EncodeMap(SamplePair().map));
    }
}

bool Assemble(const TempDir& dir, bool force, std::vector<uint8_t>& archive, Streams& s) {
    std::vector<PairFile> pairs;
    std::string error;
    EXPECT_TRUE(ListPairFiles(dir.Path(""), pairs, error)) << error;
    return AssemblePack(pairs, force, archive, s.out, s.err);
}
} // namespace

TEST(SuggestMap, WritesAMapThatPassesTheCheck) {
    TempDir dir;
    const std::string picture = dir.Write("made.by.hand.jpg", SamplePair().jpeg);
    Streams s;
    ASSERT_TRUE(SuggestMap(picture, s.out, s.err)) << s.err.str();
    EXPECT_NE(s.out.str().find("rect 5 "), std::string::npos) << s.out.str();
    // The map is named by the game's rule: up to the name's first dot.
    const std::vector<uint8_t> map = ReadAll(dir.Path("made.map"));
    ASSERT_EQ(map.size(), kMapFileBytes);
    Streams check;
    EXPECT_TRUE(CheckPairFiles(picture, dir.Path("made.map"), check.out, check.err)) << check.out.str();
    EXPECT_NE(check.out.str().find("PASS"), std::string::npos);
}

TEST(SuggestMap, APairWithoutDifferencesGetsEmptySlotsTheGameNeverMatches) {
    TempDir dir;
    RgbImage stage = Decode(SamplePair().jpeg);
    for (int y = kTopY; y < kTopY + kPictureHeight; ++y) {
        for (int x = kLeftX; x < kLeftX + kPictureWidth; ++x) stage.Set(x + kRightOffset, y, stage.At(x, y));
    }
    const std::string picture = dir.Write("same.jpg", EncodeJpeg(stage, kPackJpegQuality));
    Streams s;
    ASSERT_TRUE(SuggestMap(picture, s.out, s.err)) << s.err.str();
    EXPECT_NE(s.out.str().find("only 0 places differ"), std::string::npos) << s.out.str();
    for (const MapRect& r : DecodeMap(ReadAll(dir.Path("same.map")))) EXPECT_LT(r.right, r.left);
}

TEST(CheckPairFiles, ReportsWhatIsWrongWithAPair) {
    TempDir dir;
    const std::string picture = dir.Write("pair.jpg", SamplePair().jpeg);
    DifferenceMap overlapping = SamplePair().map;
    overlapping[1] = overlapping[0];
    dir.Write("pair.map", EncodeMap(overlapping));
    Streams unfair;
    EXPECT_FALSE(CheckPairFiles(picture, "", unfair.out, unfair.err));
    EXPECT_NE(unfair.out.str().find("overlaps rectangle 2"), std::string::npos) << unfair.out.str();

    dir.Write("short.map", std::vector<uint8_t>(40, 0));
    Streams shortMap;
    EXPECT_FALSE(CheckPairFiles(picture, dir.Path("short.map"), shortMap.out, shortMap.err));
    EXPECT_NE(shortMap.out.str().find("has 40 bytes; a map has 80"), std::string::npos);

    const std::string small = dir.Write("small.jpg", EncodeJpeg(RgbImage(320, 240), 90));
    dir.Write("small.map", EncodeMap(SamplePair().map));
    Streams wrongSize;
    EXPECT_FALSE(CheckPairFiles(small, "", wrongSize.out, wrongSize.err));
    EXPECT_NE(wrongSize.out.str().find("is 320x240; a pair picture is 640x480"), std::string::npos);

    Streams missing;
    EXPECT_FALSE(CheckPairFiles(dir.Path("none.jpg"), "", missing.out, missing.err));
    EXPECT_NE(missing.err.str().find("cannot open"), std::string::npos);

    const std::string broken = dir.Write("broken.jpg", {0xFF, 0xD8, 0xFF, 0x00});
    Streams undecodable;
    EXPECT_FALSE(CheckPairFiles(broken, dir.Path("pair.map"), undecodable.out, undecodable.err));
    EXPECT_NE(undecodable.err.str().find("JPEG"), std::string::npos);
}

TEST(AssemblePack, TenFairPairsInAnyCaseMakeAPackThatPassesTheCheck) {
    TempDir dir;
    WriteTenPairs(dir);
    dir.Write("lonely.jpg", SamplePair().jpeg); // no map: not a pair
    std::vector<uint8_t> archive;
    Streams s;
    ASSERT_TRUE(Assemble(dir, false, archive, s)) << s.err.str() << s.out.str();
    const std::string pack = dir.Write("mine.zor", archive);
    std::ostringstream log;
    EXPECT_TRUE(CheckPack(pack, log)) << log.str();
    EXPECT_NE(log.str().find("pair09.jpg"), std::string::npos);
}

TEST(AssemblePack, AnUnfairPairRefusesThePackUnlessForced) {
    TempDir dir;
    WriteTenPairs(dir);
    DifferenceMap erased = SamplePair().map;
    erased[4] = {kLeftX, kTopY, kLeftX + 20, kTopY + 20}; // a corner where nothing differs
    dir.Write("photo4.map", EncodeMap(erased));
    std::vector<uint8_t> archive;
    Streams refused;
    EXPECT_FALSE(Assemble(dir, false, archive, refused));
    EXPECT_TRUE(archive.empty());
    EXPECT_NE(refused.out.str().find("no plain difference"), std::string::npos) << refused.out.str();
    EXPECT_NE(refused.err.str().find("1 of ten pairs fail"), std::string::npos) << refused.err.str();
    Streams forced;
    EXPECT_TRUE(Assemble(dir, true, archive, forced)) << forced.err.str();
    EXPECT_FALSE(archive.empty());
}

TEST(AssemblePack, FewerThanTenPairsOrAnUnreadableOneMakeNoPack) {
    TempDir dir;
    WriteTenPairs(dir);
    std::filesystem::remove(dir.Path("photo0.JPG"));
    std::vector<uint8_t> archive;
    Streams nine;
    EXPECT_FALSE(Assemble(dir, true, archive, nine));
    EXPECT_NE(nine.err.str().find("found 9"), std::string::npos) << nine.err.str();
    dir.Write("photo0.JPG", {'n', 'o', 't'});
    Streams broken;
    EXPECT_FALSE(Assemble(dir, true, archive, broken));
    EXPECT_TRUE(archive.empty());
}

TEST(CheckPairFiles, VerboseAddsHowEachDifferenceBlendsWithoutChangingTheVerdict) {
    TempDir dir;
    const std::string picture = dir.Write("pair.jpg", SamplePair().jpeg);
    dir.Write("pair.map", EncodeMap(SamplePair().map));
    Streams plain, verbose;
    EXPECT_TRUE(CheckPairFiles(picture, "", plain.out, plain.err));
    EXPECT_TRUE(CheckPairFiles(picture, "", verbose.out, verbose.err, true));
    EXPECT_EQ(plain.out.str().find("blend"), std::string::npos);
    for (int k = 1; k <= kDifferences; ++k) {
        const std::string line = "rect " + std::to_string(k) + " blend: border ";
        EXPECT_NE(verbose.out.str().find(line), std::string::npos) << verbose.out.str();
    }
    EXPECT_NE(verbose.out.str().find("fine detail inside"), std::string::npos);
    EXPECT_NE(verbose.out.str().find("PASS"), std::string::npos);
}
