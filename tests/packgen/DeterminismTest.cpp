#include <gtest/gtest.h>

#include "tests/packgen/PairFixture.h"
#include "tools/packgen/PackBuilder.h"
#include "tools/packgen/PackReader.h"

TEST(Determinism, SameSeedSameBytes) {
    GeneratedPair again;
    std::string error;
    ASSERT_TRUE(GeneratePair(FindTheme("park"), 3, 42, again, error)) << error;
    EXPECT_EQ(again.jpeg, SamplePair().jpeg);
    EXPECT_EQ(again.map, SamplePair().map);
    EXPECT_EQ(again.seed, SamplePair().seed);
}

TEST(Determinism, OtherSeedOtherPicture) {
    GeneratedPair other;
    std::string error;
    ASSERT_TRUE(GeneratePair(FindTheme("park"), 3, 4242, other, error)) << error;
    EXPECT_NE(other.jpeg, SamplePair().jpeg);
}

TEST(Determinism, PackIsTheSameTwiceAndHoldsTenPicturesWithMaps) {
    const PackRequest request{FindTheme("kitchen"), 5, 77};
    std::vector<uint8_t> first, second;
    std::string error;
    int reported = 0;
    ASSERT_TRUE(BuildPack(
        request, [&](const std::string&, const GeneratedPair&) { ++reported; }, first, error))
        << error;
    ASSERT_TRUE(BuildPack(request, nullptr, second, error)) << error;
    EXPECT_EQ(first, second);
    EXPECT_EQ(reported, 10);

    PackReader reader;
    ASSERT_TRUE(reader.Load(first, error)) << error;
    const auto pictures = reader.Pictures();
    ASSERT_EQ(pictures.size(), 10u);
    for (const PackEntry* picture : pictures) {
        std::vector<uint8_t> map;
        EXPECT_TRUE(reader.Read(PackReader::MapNameFor(picture->name), map)) << picture->name;
        EXPECT_EQ(map.size(), 80u);
    }
}
