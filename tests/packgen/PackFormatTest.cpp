#include <gtest/gtest.h>

#include "tools/packgen/PackFormat.h"

TEST(MapFormat, FiveLittleEndianRecordsOf16Bytes) {
    DifferenceMap map{};
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
    DifferenceMap map{};
    map[0] = {11, 22, 33, 44};
    map[1] = {55, 66, 77, 88};
    std::vector<uint8_t> bytes = EncodeMap(map);
    bytes.resize(20); // rectangle 0 whole, rectangle 1's left only
    const DifferenceMap read = DecodeMap(bytes);
    EXPECT_EQ(read[0], map[0]);
    EXPECT_EQ(read[1], (MapRect{55, 0, 0, 0}));
    std::vector<uint8_t> longer = EncodeMap(map);
    longer.resize(200, 0xAB);
    EXPECT_EQ(DecodeMap(longer), map);
    EXPECT_EQ(DecodeMap({}), DifferenceMap{});
}

TEST(PackInfoFormat, StarsMakerAndFiveLinesAt32ByteFields) {
    PackInfo info;
    info.stars = 4;
    info.maker = "QAN TEAM";
    info.lines = {"one", "", "three", "\xB0\xA1", "five"}; // a CP949 syllable in line 4
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(EncodePackInfo(info, bytes, error)) << error;
    ASSERT_EQ(bytes.size(), 193u);
    EXPECT_EQ(bytes[0], 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[1])), "QAN TEAM");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[33])), "one");
    EXPECT_EQ(bytes[65], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[97])), "three");
    EXPECT_EQ(bytes[129], 0xB0);
    EXPECT_EQ(bytes[130], 0xA1);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[161])), "five");
    EXPECT_EQ(bytes[192], 0);
}

TEST(PackInfoFormat, TextMustLeaveRoomForItsTerminator) {
    PackInfo info;
    std::vector<uint8_t> bytes;
    std::string error;
    info.lines[2] = std::string(31, 'x');
    EXPECT_TRUE(EncodePackInfo(info, bytes, error));
    info.lines[2] = std::string(32, 'x');
    EXPECT_FALSE(EncodePackInfo(info, bytes, error));
    EXPECT_NE(error.find("31 bytes"), std::string::npos);
}

TEST(PackInfoFormat, InfoFileNameIsLowerCaseWithDatForZor) {
    EXPECT_EQ(InfoFileName("Animals.ZOR"), "animals.dat");
    EXPECT_EQ(InfoFileName("01_park.zor"), "01_park.dat");
    EXPECT_EQ(InfoFileName("a.zor.zor"), "a.dat.dat");
}
