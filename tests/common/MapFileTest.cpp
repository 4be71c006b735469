#include <gtest/gtest.h>

#include <filesystem>

#include "common/MapFile.h"
#include "common/MapPath.h"
#include "tests/support/FileSizeLimit.h"

namespace fs = std::filesystem;

TEST(MapFormat, FiveLittleEndianRecordsOf16Bytes) {
    MapRecords map{};
    map[0] = {10, 20, 309, 419};
    map[4] = {-1, 0x01020304, 7, -2};
    const std::vector<uint8_t> bytes = EncodeMap(map);
    ASSERT_EQ(bytes.size(), 80u);
    EXPECT_EQ(bytes[0], 10);
    EXPECT_EQ(bytes[4], 20);
    EXPECT_EQ(bytes[8], 309 & 0xFF);
    EXPECT_EQ(bytes[9], 309 >> 8);
    EXPECT_EQ(bytes[12], 419 & 0xFF);
    EXPECT_EQ(bytes[64], 0xFF); // rectangle 4's left, -1
    EXPECT_EQ(bytes[67], 0xFF);
    EXPECT_EQ(bytes[68], 0x04); // rectangle 4's top, low byte first
    EXPECT_EQ(bytes[71], 0x01);
    EXPECT_EQ(DecodeMap(bytes), map);
}

TEST(MapFormat, ShortFileCountsMissingBytesAsZeroAndExtraBytesAreIgnored) {
    MapRecords map{};
    map[0] = {11, 22, 33, 44};
    map[1] = {55, 66, 77, 88};
    std::vector<uint8_t> bytes = EncodeMap(map);
    bytes.resize(20); // rectangle 0 whole, rectangle 1's left only
    const MapRecords read = DecodeMap(bytes);
    EXPECT_EQ(read[0], map[0]);
    EXPECT_EQ(read[1], (MapRect{55, 0, 0, 0}));
    std::vector<uint8_t> longer = EncodeMap(map);
    longer.resize(200, 0xAB);
    EXPECT_EQ(DecodeMap(longer), map);
    EXPECT_EQ(DecodeMap({}), MapRecords{});
}

TEST(MapFormat, CompleteRecordsCountOnlyWholeOnes) {
    EXPECT_EQ(CompleteMapRecords(0), 0);
    EXPECT_EQ(CompleteMapRecords(15), 0);
    EXPECT_EQ(CompleteMapRecords(16), 1);
    EXPECT_EQ(CompleteMapRecords(79), 4);
    EXPECT_EQ(CompleteMapRecords(500), 5);
}

TEST(MapFile, WriteThenReadGivesTheSameRecordsAndAFailedWriteKeepsTheOldFile) {
    char pattern[] = "/tmp/zor-map-XXXXXX";
    const fs::path dir = mkdtemp(pattern);
    const std::string path = (dir / "cat.map").string();
    MapRecords map{};
    map[2] = {100, 50, 20, 10};
    std::string error;
    ASSERT_EQ(WriteMapFile(path, map, error), Written::Whole) << error;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadMapFile(path, bytes));
    EXPECT_EQ(bytes, EncodeMap(map));

    {
        const FileSizeLimit limit(kMapFileBytes / 2); // the write stops half-way
        EXPECT_EQ(WriteMapFile(path, MapRecords{}, error), Written::No);
    }
    EXPECT_FALSE(error.empty());
    ASSERT_TRUE(ReadMapFile(path, bytes));
    EXPECT_EQ(bytes, EncodeMap(map));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1); // no temporary left
    EXPECT_FALSE(ReadMapFile((dir / "none.map").string(), bytes));
    fs::remove_all(dir);
}

struct StemCase {
    const char* path;
    bool pair;
    const char* stem;
    const char* mapPath;
};

class PairStems : public ::testing::TestWithParam<StemCase> {};

TEST_P(PairStems, CutAtTheFirstDotOfTheLastComponent) {
    std::string stem;
    EXPECT_EQ(PairStem(GetParam().path, stem), GetParam().pair);
    if (GetParam().pair) {
        EXPECT_EQ(stem, GetParam().stem);
    }
    EXPECT_EQ(MapPathFor(GetParam().path), GetParam().mapPath);
}

INSTANTIATE_TEST_SUITE_P(Paths, PairStems,
                         ::testing::Values(StemCase{"sample.map", true, "sample", "sample.map"},
                                           StemCase{"./maps/cat.map", true, "./maps/cat", "./maps/cat.map"},
                                           StemCase{"./cat.jpg", true, "./cat", "./cat.map"},
                                           StemCase{"/home/a/my.pics/cat.jpg", true, "/home/a/my.pics/cat",
                                                    "/home/a/my.pics/cat.map"},
                                           StemCase{"pics/cat.v2.jpeg", true, "pics/cat", "pics/cat.map"},
                                           StemCase{"", false, "", ".map"},
                                           StemCase{"sample", false, "", "sample.map"},
                                           StemCase{"my.pics/cat", false, "", "my.pics/cat.map"}));
