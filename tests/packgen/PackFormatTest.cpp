#include <gtest/gtest.h>

#include "tools/packgen/PackFormat.h"

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
