#include <gtest/gtest.h>

#include <cstring>

#include "tools/common/ArchiveWriter.h"
#include "tools/packgen/PackReader.h"

namespace {
void PutLe32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = uint8_t(v >> (8 * i));
}

std::vector<uint8_t> ArchiveOf(const std::vector<std::string>& names) {
    ArchiveWriter writer;
    for (const std::string& name : names) writer.Add(name, std::vector<uint8_t>(name.begin(), name.end()));
    return writer.Build();
}
} // namespace

struct HostileCase {
    const char* what;
    void (*damage)(std::vector<uint8_t>&);
};

class HostilePack : public testing::TestWithParam<HostileCase> {};

TEST_P(HostilePack, IsRefusedWithoutReadingOutOfBounds) {
    std::vector<uint8_t> bytes = ArchiveOf({"a.jpg", "a.map"});
    GetParam().damage(bytes);
    PackReader reader;
    std::string error;
    EXPECT_FALSE(reader.Load(bytes, error));
    EXPECT_FALSE(error.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Damages, HostilePack,
    testing::Values(
        HostileCase{"shorter than the directory", [](std::vector<uint8_t>& b) { b.resize(20003); }},
        HostileCase{"count above 500", [](std::vector<uint8_t>& b) { PutLe32(b, b.size() - 20004, 501); }},
        HostileCase{"negative count",
                    [](std::vector<uint8_t>& b) { PutLe32(b, b.size() - 20004, 0xFFFFFFFF); }},
        HostileCase{"entry past the data",
                    [](std::vector<uint8_t>& b) { PutLe32(b, b.size() - 20000 + 36, 1000000); }},
        HostileCase{"offset and size wrapping around",
                    [](std::vector<uint8_t>& b) {
                        PutLe32(b, b.size() - 20000 + 32, 0xFFFFFFF0);
                        PutLe32(b, b.size() - 20000 + 36, 0x20);
                    }}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(PackReader, NameWithoutTerminatorIsCutAt32Bytes) {
    std::vector<uint8_t> bytes = ArchiveOf({"x.jpg"});
    std::memset(&bytes[bytes.size() - 20000], 'n', 32);
    PackReader reader;
    std::string error;
    ASSERT_TRUE(reader.Load(bytes, error)) << error;
    EXPECT_EQ(reader.Entries()[0].name, std::string(32, 'n'));
}

TEST(PackReader, PicturesAreJpgNamesAmongTheFirst20SlotsAndMapsTheirLowerCaseStem) {
    std::vector<std::string> names = {"Pic01.JPG", "pic01.map", "readme.txt", "b.jpg.bak"};
    for (int i = 0; i < 16; ++i) names.push_back("f" + std::to_string(i) + ".dat");
    names.push_back("late.jpg"); // slot 20: not a picture
    PackReader reader;
    std::string error;
    ASSERT_TRUE(reader.Load(ArchiveOf(names), error)) << error;
    const auto pictures = reader.Pictures();
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0]->name, "Pic01.JPG");
    EXPECT_EQ(pictures[1]->name, "b.jpg.bak");
    EXPECT_EQ(PackReader::MapNameFor("Pic01.JPG"), "pic01.map");
    EXPECT_EQ(PackReader::MapNameFor("b.jpg.bak"), "b.map");
    std::vector<uint8_t> map;
    ASSERT_TRUE(reader.Read("PIC01.MAP", map));
    EXPECT_EQ(std::string(map.begin(), map.end()), "pic01.map");
}
