#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "game/control/Globals.h"
#include "game/control/Random.h"
#include "game/gfx/Archive.h"
#include "game/play/DataPacks.h"
#include "tools/common/ArchiveWriter.h"

namespace fs = std::filesystem;

namespace {
fs::path MakeTempDir() {
    char pattern[] = "/tmp/zor-packs-XXXXXX";
    return fs::path(mkdtemp(pattern));
}

Archive ArchiveOf(const std::vector<std::string>& names) {
    ArchiveWriter writer;
    for (const std::string& n : names) writer.Add(n, {1, 2, 3});
    const fs::path dir = MakeTempDir();
    const std::string path = (dir / "a.zor").string();
    EXPECT_TRUE(writer.WriteTo(path));
    Archive archive;
    archive.Open(path);
    return archive;
}
} // namespace

TEST(StageOrder, ThreePacksShuffleThirtyEntriesAndLeaveTheRestEmpty) {
    CGameController c;
    c.packCount = 3;
    c.stageTotal = 30;
    SeedRandom(99);
    BuildStageOrder(c);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 30; ++i) {
        ASSERT_LT(c.stageOrder[i].pack, 3);
        ASSERT_LT(c.stageOrder[i].picture, 10);
        seen.insert({c.stageOrder[i].pack, c.stageOrder[i].picture});
    }
    EXPECT_EQ(seen.size(), 30u);
    for (int i = 30; i < CGameController::kOrderEntries; ++i) EXPECT_EQ(c.stageOrder[i], StageEntry{});
    EXPECT_EQ(c.stageNumber, 0);
}

TEST(StageOrder, NoPacksLeaveEverythingEmpty) {
    CGameController c;
    BuildStageOrder(c);
    EXPECT_EQ(c.stageOrder[0], StageEntry{});
}

TEST(PictureEntries, JpgNamesWithinTheFirstTwentyGiveThePictureIndexes) {
    const Archive pack = ArchiveOf({"a.map", "Pic01.JPG", "pic01.map", "b.jpg", "b.map"});
    EXPECT_EQ(PictureEntryIndex(pack, 0), 1);
    EXPECT_EQ(PictureEntryIndex(pack, 1), 3);
}

TEST(PictureEntries, FewerThanTenPicturesFallBackToTheEntryIndex) {
    std::vector<std::string> names;
    for (int i = 0; i < 8; ++i) names.push_back("p" + std::to_string(i) + ".jpg");
    for (int i = 0; i < 14; ++i) names.push_back("m" + std::to_string(i) + ".map");
    const Archive pack = ArchiveOf(names);
    EXPECT_EQ(PictureEntryIndex(pack, 7), 7);
    EXPECT_EQ(PictureEntryIndex(pack, 9), 9); // whatever its name
}

TEST(PackFiles, FoundWithoutRegardToCaseSortedAndLimited) {
    const fs::path dir = MakeTempDir();
    for (const char* name : {"b.zor", "A.ZOR", "c.Zor", "notes.txt", "d.zor.bak"})
        std::ofstream(dir / name) << "x";
    fs::create_directory(dir / "e.zor"); // a directory is no pack
    EXPECT_EQ(FindPackFiles(dir.string(), 50), (std::vector<std::string>{"A.ZOR", "b.zor", "c.Zor"}));
    EXPECT_EQ(FindPackFiles(dir.string(), 2), (std::vector<std::string>{"A.ZOR", "b.zor"}));
    fs::remove_all(dir);
}
