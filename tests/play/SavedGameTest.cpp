#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "game/control/GameController.h"
#include "game/play/SavedGame.h"
#include "tests/sound/CapturingBox.h"
#include "tests/support/TestFiles.h"

namespace {
CGameController ThreePackGame() {
    CGameController c;
    c.packCount = 3;
    c.stageTotal = 30;
    for (int i = 0; i < 30; ++i) c.stageOrder[i] = {uint8_t(i % 3), uint8_t(i / 3)};
    c.stageNumber = 6;
    return c;
}
} // namespace

TEST(SavedGame, RoundTripOf1016Bytes) {
    const CGameController saved = ThreePackGame();
    const std::vector<uint8_t> bytes = EncodeSavedGame(saved, 7, 0);
    ASSERT_EQ(bytes.size(), 1016u);
    EXPECT_EQ(bytes[1000], 30);
    EXPECT_EQ(bytes[1004], 6);
    EXPECT_EQ(bytes[1008], 7);
    CGameController loaded;
    loaded.packCount = 3;
    int l1 = -1, l2 = -1;
    ASSERT_TRUE(DecodeSavedGame(bytes, loaded, l1, l2));
    EXPECT_EQ(loaded.stageOrder, saved.stageOrder);
    EXPECT_EQ(loaded.stageTotal, 30);
    EXPECT_EQ(loaded.stageNumber, 6);
    EXPECT_EQ(l1, 7);
    EXPECT_EQ(l2, 0);
}

struct Corruption {
    const char* name;
    size_t truncateTo; // 0: keep the size
    size_t at;
    uint8_t value;
};

class SavedGameRefused : public ::testing::TestWithParam<Corruption> {};

TEST_P(SavedGameRefused, LeavesTheControllerUntouched) {
    std::vector<uint8_t> bytes = EncodeSavedGame(ThreePackGame(), 5, 5);
    const Corruption& c = GetParam();
    if (c.truncateTo)
        bytes.resize(c.truncateTo);
    else
        bytes[c.at] = c.value;
    CGameController loaded;
    loaded.packCount = 3;
    loaded.stageNumber = 2;
    int l1 = 0, l2 = 0;
    EXPECT_FALSE(DecodeSavedGame(bytes, loaded, l1, l2));
    EXPECT_EQ(loaded.stageNumber, 2);
    EXPECT_EQ(loaded.stageOrder[0], StageEntry{});
}

INSTANTIATE_TEST_SUITE_P(Files, SavedGameRefused,
                         ::testing::Values(Corruption{"truncated", 1015, 0, 0}, Corruption{"empty", 1, 0, 0},
                                           Corruption{"total_over_500", 0, 1001, 0x02}, // 30 + 512
                                           Corruption{"negative_total", 0, 1003, 0x80},
                                           Corruption{"stage_past_total", 0, 1004, 31},
                                           Corruption{"stage_zero", 0, 1004, 0},
                                           Corruption{"missing_pack", 0, 10, 3},
                                           Corruption{"missing_picture", 0, 11, 10}),
                         [](const auto& info) { return std::string(info.param.name); });

// A game of one pack fills entries 0..9 and leaves the rest empty, whatever the stage total says.
CGameController SinglePackGame(int stage) {
    CGameController c;
    c.packCount = 3;
    c.stageTotal = 30;
    for (int j = 0; j < 10; ++j) c.stageOrder[j] = {1, uint8_t(j)};
    c.stageNumber = stage;
    return c;
}

TEST(SavedGame, ASinglePackSaveContinuesAndEndsWithItsTenthPicture) {
    CGameController loaded;
    loaded.packCount = 3;
    int l1 = 0, l2 = 0;
    ASSERT_TRUE(DecodeSavedGame(EncodeSavedGame(SinglePackGame(6), 4, 0), loaded, l1, l2));
    EXPECT_EQ(loaded.stageNumber, 6);
    EXPECT_EQ(loaded.stageTotal, 10);
    EXPECT_EQ(loaded.stageOrder[5], (StageEntry{1, 5}));
    EXPECT_EQ(l1, 4);
}

// The single-pack flag comes back from the order's shape; the file's layout is the same for both games.
TEST(SavedGame, ASinglePackGameIsSavedAsItsTenPicturesAndContinuesAsOne) {
    CGameController playing = SinglePackGame(6);
    playing.singlePack = 1;
    for (int i = 10; i < 30; ++i)
        playing.stageOrder[i] = {uint8_t(i % 3), uint8_t(i % 10)}; // an earlier game's
    const std::vector<uint8_t> bytes = EncodeSavedGame(playing, 4, 0);
    ASSERT_EQ(bytes.size(), kSaveFileBytes);
    EXPECT_EQ(bytes[1000], 10); // the total: the pack's ten stages
    EXPECT_EQ(bytes[20], StageEntry::kEmpty);
    EXPECT_EQ(bytes[999], StageEntry::kEmpty);
    CGameController loaded;
    loaded.packCount = 3;
    int l1 = 0, l2 = 0;
    ASSERT_TRUE(DecodeSavedGame(bytes, loaded, l1, l2));
    EXPECT_EQ(loaded.singlePack, 1);
    EXPECT_EQ(loaded.stageTotal, 10);
    EXPECT_EQ(loaded.stageOrder[10], StageEntry{});
}

TEST(SavedGame, AGameOverAllPacksContinuesAsOne) {
    CGameController loaded;
    loaded.packCount = 3;
    loaded.singlePack = 1; // left from the game before
    int l1 = 0, l2 = 0;
    ASSERT_TRUE(DecodeSavedGame(EncodeSavedGame(ThreePackGame(), 4, 0), loaded, l1, l2));
    EXPECT_EQ(loaded.singlePack, 0);
    // One pack present, its ten pictures shuffled: a game over all packs still.
    CGameController onePack;
    onePack.packCount = 1;
    onePack.stageTotal = 10;
    for (int j = 0; j < 10; ++j) onePack.stageOrder[j] = {0, uint8_t((j * 3) % 10)};
    onePack.stageNumber = 2;
    ASSERT_TRUE(DecodeSavedGame(EncodeSavedGame(onePack, 4, 0), loaded, l1, l2));
    EXPECT_EQ(loaded.singlePack, 0);
}

TEST(SavedGame, OnlyTheEntriesStillToPlayMustExist) {
    CGameController saved = ThreePackGame();
    saved.stageOrder[2] = {7, 0}; // played already
    CGameController loaded;
    loaded.packCount = 3;
    int l1 = 0, l2 = 0;
    EXPECT_TRUE(DecodeSavedGame(EncodeSavedGame(saved, 1, 1), loaded, l1, l2));
    EXPECT_EQ(loaded.stageTotal, 30);
    // The saved stage itself empty: nothing to continue.
    EXPECT_FALSE(DecodeSavedGame(EncodeSavedGame(SinglePackGame(11), 1, 1), loaded, l1, l2));
}

// A scratch current directory holding one file, where writes then stop at `bytes` a file (a full disk).
class FullDisk {
  public:
    FullDisk(const std::string& name, const std::vector<uint8_t>& content, rlim_t bytes)
        : old_(std::filesystem::current_path()) {
        dir_.Write(name, content);
        std::filesystem::current_path(dir_.Path(""));
        getrlimit(RLIMIT_FSIZE, &limit_);
        rlimit small = limit_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &limit_);
        std::signal(SIGXFSZ, previous_);
        std::filesystem::current_path(old_);
    }

  private:
    TempDir dir_;
    std::filesystem::path old_;
    rlimit limit_{};
    void (*previous_)(int) = SIG_DFL;
};

TEST(SavedGame, AFailedWriteIsShownAndKeepsTheOldFile) {
    const std::vector<uint8_t> oldSave(kSaveFileBytes, 0x2A);
    CapturingBox box;
    bool saved = true;
    std::vector<uint8_t> after;
    size_t files = 0;
    {
        FullDisk disk("zor.sav", oldSave, 512); // the new file stops half-way
        saved = SaveGame();
        after = ReadAll("zor.sav");
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(".")) ++files;
    }
    EXPECT_FALSE(saved);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_NE(box.texts[0].find("SAVE FILE WRITE ERROR"), std::string::npos) << box.texts[0];
    EXPECT_EQ(after, oldSave);
    EXPECT_EQ(files, 1u); // no half-written temporary file is left
}
