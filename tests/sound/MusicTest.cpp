#include "game/io/Music.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

#include "game/control/Random.h"
#include "game/io/Globals.h"
#include "game/io/SoundDevice.h"
#include "tests/sound/FakeAudioDevice.h"
#include "tests/support/TestFiles.h"

namespace {
namespace fs = std::filesystem;

TEST(FindMusic, TakesMidFilesInAnyCaseSorted) {
    TempDir dir;
    for (const char* name : {"b.MID", "a.mid", "c.Mid", "d.midi", "e.txt", "mid"}) dir.Write(name, {1});
    fs::create_directories(dir.Path("dir.mid"));
    const std::string base = dir.Path("");
    const std::string root = base.substr(0, base.size() - 1);
    EXPECT_EQ(FindMusic(root), (std::vector<std::string>{root + "/a.mid", root + "/b.MID", root + "/c.Mid"}));
}

TEST(FindMusic, KeepsTheFirstHundredNames) {
    TempDir dir;
    for (int i = 0; i < 130; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%03d.mid", 129 - i);
        dir.Write(name, {1});
    }
    const std::string root = fs::path(dir.Path("x")).parent_path().string();
    const std::vector<std::string> found = FindMusic(root);
    ASSERT_EQ(found.size(), size_t{kMaxMusicCandidates});
    EXPECT_EQ(found.front(), root + "/000.mid");
    EXPECT_EQ(found.back(), root + "/099.mid");
}

TEST(FindMusic, MissingDirectoryGivesNothing) { EXPECT_TRUE(FindMusic("/nonexistent/mid").empty()); }

// Runs in a scratch current directory, the way the game looks for "mid".
class RandomMusic : public ::testing::Test {
protected:
    void SetUp() override {
        old = fs::current_path();
        fs::current_path(fs::path(dir.Path("x")).parent_path());
        ASSERT_EQ(DSCreate(&device), 1);
    }
    void TearDown() override {
        ReleaseSound();
        fs::current_path(old);
    }
    TempDir dir;
    fs::path old;
    FakeAudioDevice device;
};

TEST_F(RandomMusic, NoPieceLeavesWhatPlays) {
    PlayRandomMusic();
    fs::create_directories("mid");
    PlayRandomMusic();
    EXPECT_TRUE(device.musicLog.empty());
}

TEST_F(RandomMusic, OnePieceRestartsFromItsBeginningEveryTime) {
    fs::create_directories("mid");
    dir.Write("mid/Only.MID", {1});
    PlayRandomMusic();
    PlayRandomMusic();
    EXPECT_EQ(device.musicLog, (std::vector<std::string>{"close", "close", "load mid/Only.MID", "play", "close",
                                                         "close", "load mid/Only.MID", "play"}));
}

TEST_F(RandomMusic, PicksRandModCount) {
    fs::create_directories("mid");
    for (const char* name : {"a.mid", "b.mid", "c.mid"}) dir.Write(std::string("mid/") + name, {1});
    SeedRandom(7);
    const int pick = GameRand() % 3;
    SeedRandom(7);
    PlayRandomMusic();
    EXPECT_EQ(device.musicLog.at(2), std::string("load mid/") + "abc"[pick] + ".mid");
}

TEST_F(RandomMusic, DrawsTheSameRandomNumberWithoutADevice) {
    fs::create_directories("mid");
    dir.Write("mid/a.mid", {1});
    ReleaseSound();
    SeedRandom(3);
    PlayRandomMusic();
    const int after = GameRand();
    SeedRandom(3);
    GameRand();
    EXPECT_EQ(after, GameRand());
    EXPECT_EQ(StartMusic("mid/a.mid"), 0);
}
} // namespace
