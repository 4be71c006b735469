#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/MapFile.h"
#include "tests/e2e/ClickScript.h"
#include "tests/e2e/ZorRun.h"

namespace fs = std::filesystem;

namespace {
constexpr int kModePlay = 4;
constexpr int kModeBonus = 5;

MapRecords SampleMap() {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadMapFile(std::string(ZOR_TEST_DATA_DIR) + "/sample.map", bytes));
    return DecodeMap(bytes);
}

ZorRunOptions TestMap(const std::string& path) {
    ZorRunOptions options;
    options.args = {path};
    return options;
}
} // namespace

TEST(PlayRun, TestMapPlaysThePairWithBothPlayersAndDrainsTenPerFrame) {
    const ZorRun run = RunZor("100 end\n", TestMap("sample.map"));
    ASSERT_EQ(run.frames.size(), 100u) << run.stderrText;
    EXPECT_TRUE(run.messages.empty());
    for (size_t f = 0; f < run.frames.size(); ++f) {
        ASSERT_EQ(run.IntAt(f, "mode"), kModePlay);
        ASSERT_EQ(run.IntAt(f, "gauge"), 20000 - 10 * int(f + 1)) << "frame " << f;
        ASSERT_EQ(run.IntAt(f, "left"), 5);
    }
    EXPECT_EQ(run.IntAt(99, "p1"), 10);
    EXPECT_EQ(run.IntAt(99, "p2"), 10);
    EXPECT_EQ(run.IntAt(99, "stage"), 0);
}

TEST(PlayRun, MapPathWithDotsInItsFoldersLoadsTheRightFiles) {
    // A folder of its own (runs of other builds may share /tmp), with a dot in its name.
    std::string pattern = (fs::temp_directory_path() / "zor.e2e.pics-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path folder = pattern;
    fs::copy_file(std::string(ZOR_TEST_DATA_DIR) + "/sample.jpg", folder / "cat.jpg",
                  fs::copy_options::overwrite_existing);
    fs::copy_file(std::string(ZOR_TEST_DATA_DIR) + "/sample.map", folder / "cat.map",
                  fs::copy_options::overwrite_existing);
    const ZorRun run = RunZor("5 end\n", TestMap((folder / "cat.map").string()));
    fs::remove_all(folder);
    EXPECT_TRUE(run.messages.empty()) << run.messages.front();
    ASSERT_EQ(run.frames.size(), 5u);
    EXPECT_EQ(run.IntAt(4, "mode"), kModePlay);
}

TEST(PlayRun, MissingTestPictureIsReported) {
    const ZorRun run = RunZor("5 end\n", TestMap("nothing/here.map"));
    // The JPEG reader's own box comes first, then the loader's and the game's.
    ASSERT_EQ(run.messages.size(), 4u);
    EXPECT_EQ(run.messages[0], "JPEG :\\nCan't open nothing/here.jpg");
    EXPECT_EQ(run.messages[1], "CreateSurface Error nothing/here.jpg 0 X 0");
    EXPECT_EQ(run.messages[2], "IMAGE FILE LOAD ERROR!!  nothing/here.jpg");
    EXPECT_EQ(run.messages[3], "MAP FILE LOAD ERROR!!  nothing/here.map");
    EXPECT_TRUE(run.frames.empty()); // the close request ends the run before its first frame
}

TEST(PlayRun, ClickingAllFiveFindsThemThenTheGaugeDrainsAndTheBonusFollows) {
    const MapRecords map = SampleMap();
    const ZorRun run = RunZor(ClickEveryDifference(map, 10) + "400 end\n", TestMap("sample.map"));
    ASSERT_EQ(run.frames.size(), 400u);
    // Each find lowers the count on its click frame; no life is lost.
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(run.IntAt(11 + k * kFramesBetweenFinds, "left"), 4 - k) << "find " << k;
    const size_t lastFind = 11 + 4 * kFramesBetweenFinds;
    EXPECT_EQ(run.IntAt(lastFind, "p1"), 10);
    // The frame after the fifth find: 1000 of clear drain plus the normal 10.
    const int before = run.IntAt(lastFind, "gauge");
    EXPECT_EQ(run.IntAt(lastFind + 1, "gauge"), before - 1000 - 10);
    size_t bonus = 0;
    for (size_t f = lastFind; f < run.frames.size() && !bonus; ++f)
        if (run.IntAt(f, "mode") == kModeBonus) bonus = f;
    EXPECT_GT(bonus, lastFind) << "the bonus stage follows a test map";
}

TEST(PlayRun, TimeOutRevealsThenChargesEveryTwentyFramesThenEnds) {
    const ZorRun run = RunZor("2130 end\n", TestMap("sample.map"));
    ASSERT_EQ(run.frames.size(), 2130u);
    EXPECT_EQ(run.IntAt(1998, "gauge"), 10);
    EXPECT_EQ(run.IntAt(1999, "gauge"), 0);
    EXPECT_EQ(run.IntAt(2000, "gauge"), -1); // revealed at 0
    for (int k = 1; k <= 5; ++k) {
        const size_t charge = 2000 + 20 * k;
        EXPECT_EQ(run.IntAt(charge - 1, "p1"), 11 - k) << "before charge " << k;
        EXPECT_EQ(run.IntAt(charge, "p1"), 10 - k) << "charge " << k;
        EXPECT_EQ(run.IntAt(charge, "p2"), 10 - k);
    }
    EXPECT_EQ(run.IntAt(2119, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(2120, "mode"), kModeBonus); // twenty frames after the last charge
}

TEST(PlayRun, AnIdlePlayerLosesFiveLivesAStageUntilTheGameIsOver) {
    // After the logo, on the title: the menu pen's tip onto "one player" and SPACE; then nobody clicks.
    // A ranking of ten scores of 100, which stage 2 does not enter: no name entry holds the game over.
    ZorRunOptions options;
    for (int row = 0; row < 10; ++row)
        options.files["zor.rnk"] += std::string("d\0\0\0", 4) + std::string(20, '\0');
    const ZorRun run = RunZor("110 move -80 40\n111 key down SPACE\n112 key up SPACE\n5100 end\n", options);
    ASSERT_EQ(run.frames.size(), 5100u);
    EXPECT_EQ(run.IntAt(110, "mode"), 2);
    EXPECT_EQ(run.IntAt(111, "mode"), kModePlay);
    EXPECT_EQ(run.IntAt(111, "stage"), 1);
    EXPECT_EQ(run.IntAt(111, "p1"), 10);
    EXPECT_EQ(run.IntAt(111, "p2"), 0);
    size_t stage2 = 0, gameOver = 0, title = 0;
    for (size_t f = 111; f < run.frames.size(); ++f) {
        if (!stage2 && run.IntAt(f, "stage") == 2) stage2 = f;
        if (!gameOver && run.IntAt(f, "banner") == 4) gameOver = f;
        if (!title && gameOver && run.IntAt(f, "mode") == 2) title = f;
    }
    ASSERT_GT(stage2, 0u);
    EXPECT_EQ(run.IntAt(stage2, "p1"), 5);
    EXPECT_EQ(run.IntAt(stage2, "banner"), 1); // the stage-start banner
    ASSERT_GT(gameOver, stage2);
    EXPECT_EQ(run.IntAt(gameOver, "p1"), 0);
    EXPECT_EQ(run.IntAt(gameOver, "stage"), 2);
    // The game-over picture fades in over the banner's steps 2..63, then the title comes back.
    EXPECT_EQ(title, gameOver + 62);
}
