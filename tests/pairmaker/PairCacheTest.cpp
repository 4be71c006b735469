#include <gtest/gtest.h>

#include <filesystem>

#include "pairmaker/PairCache.h"
#include "tests/support/TestFiles.h"

namespace fs = std::filesystem;

namespace {
constexpr int64_t kDay = 20796; // 2026-12-09

MapRecords SomeMap(int32_t v) {
    MapRecords map{};
    for (int k = 0; k < kMapRecords; ++k) map[k] = {v + k, v, v + 20 + k, v + 30};
    return map;
}

struct StemCase {
    MadePairKey key;
    const char* stem;
};

class Stems : public ::testing::TestWithParam<StemCase> {};

TEST_P(Stems, NameTheStreamTheVersionTheDayAndTheIndex) {
    EXPECT_EQ(PairCache::StemFor(GetParam().key), GetParam().stem);
}

INSTANTIATE_TEST_SUITE_P(
    Cache, Stems,
    ::testing::Values(StemCase{{MadeStream::Today, kDay, 3}, "today-v1-2026-12-09-03"},
                      StemCase{{MadeStream::Endless, kDay, 42}, "endless-v1-2026-12-09-0042"},
                      StemCase{{MadeStream::Endless, 0, 12345}, "endless-v1-1970-01-01-12345"}));

class PairCacheTest : public ::testing::Test {
  protected:
    TempDir dir;
    PairCache cache{dir.Path("made")};
    const MadePairKey key{MadeStream::Today, kDay, 3};
    std::string Stem() const { return dir.Path("made/" + PairCache::StemFor(key)); }
};

TEST_F(PairCacheTest, KeepsAPairAndGivesItBack) {
    std::string error;
    ASSERT_TRUE(cache.Store(key, {1, 2, 3, 4}, SomeMap(7), error)) << error;
    std::vector<uint8_t> jpeg;
    MapRecords map{};
    ASSERT_TRUE(cache.Load(key, jpeg, map));
    EXPECT_EQ(jpeg, (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(map, SomeMap(7));
    EXPECT_FALSE(cache.Load({MadeStream::Endless, kDay, 3}, jpeg, map)) << "another stream's pair";
    cache.Drop(key);
    EXPECT_FALSE(cache.Load(key, jpeg, map));
}

struct DamageCase {
    const char* name;
    void (*damage)(const std::string& stem);
};

class DamagedFiles : public PairCacheTest, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(DamagedFiles, AreNotTaken) {
    std::string error;
    ASSERT_TRUE(cache.Store(key, {9, 9, 9}, SomeMap(1), error)) << error;
    GetParam().damage(Stem());
    std::vector<uint8_t> jpeg;
    MapRecords map{};
    EXPECT_FALSE(cache.Load(key, jpeg, map));
}

void Resize(const std::string& path, uintmax_t size) {
    fs::resize_file(path, size);
}

INSTANTIATE_TEST_SUITE_P(
    Cache, DamagedFiles,
    ::testing::Values(
        DamageCase{"ShortMap", [](const std::string& s) { Resize(s + ".map", kMapFileBytes - 1); }},
        DamageCase{"LongMap", [](const std::string& s) { Resize(s + ".map", kMapFileBytes + 1); }},
        DamageCase{"EmptyPicture", [](const std::string& s) { Resize(s + ".jpg", 0); }},
        DamageCase{"HugePicture",
                   [](const std::string& s) { Resize(s + ".jpg", PairCache::kMaxJpegBytes + 1); }},
        DamageCase{"NoPicture", [](const std::string& s) { fs::remove(s + ".jpg"); }},
        DamageCase{"NoMap", [](const std::string& s) { fs::remove(s + ".map"); }},
        DamageCase{"PictureIsAFolder",
                   [](const std::string& s) {
                       fs::remove(s + ".jpg");
                       fs::create_directory(s + ".jpg");
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PairCacheTest, KeepsTheNewestFiftyPairsAndNoMapWithoutItsPicture) {
    std::string error;
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(100);
    constexpr int kStored = PairCache::kMaxPairs + 3;
    for (int i = 0; i < kStored; ++i) {
        const MadePairKey k{MadeStream::Endless, kDay, i};
        ASSERT_TRUE(cache.Store(k, {uint8_t(i)}, SomeMap(i), error)) << error;
        // Written an hour apart, oldest first, whatever the file system's clock resolution.
        fs::last_write_time(dir.Path("made/" + PairCache::StemFor(k) + ".jpg"), old + std::chrono::hours(i));
    }
    dir.Write("made/stray.map", std::vector<uint8_t>(kMapFileBytes));
    cache.Trim();
    int pictures = 0, maps = 0;
    for (const auto& entry : fs::directory_iterator(dir.Path("made"))) {
        pictures += entry.path().extension() == ".jpg";
        maps += entry.path().extension() == ".map";
    }
    EXPECT_EQ(pictures, PairCache::kMaxPairs);
    EXPECT_EQ(maps, PairCache::kMaxPairs);
    std::vector<uint8_t> jpeg;
    MapRecords map{};
    for (int i = 0; i < kStored; ++i)
        EXPECT_EQ(cache.Load({MadeStream::Endless, kDay, i}, jpeg, map), i >= kStored - PairCache::kMaxPairs)
            << i;
}

TEST_F(PairCacheTest, AFolderThatCannotBeMadeKeepsNothingAndSaysWhy) {
    dir.Write("file", {1});
    const PairCache blocked(dir.Path("file/made"));
    std::string error;
    EXPECT_FALSE(blocked.Store(key, {1}, SomeMap(1), error));
    EXPECT_NE(error.find("file/made"), std::string::npos) << error;
    std::vector<uint8_t> jpeg;
    MapRecords map{};
    EXPECT_FALSE(blocked.Load(key, jpeg, map));
}

TEST(PairCacheWithoutFolder, KeepsNothing) {
    const PairCache none("");
    std::string error;
    EXPECT_TRUE(none.Store({}, {1}, SomeMap(1), error));
    std::vector<uint8_t> jpeg;
    MapRecords map{};
    EXPECT_FALSE(none.Load({}, jpeg, map));
}
} // namespace
