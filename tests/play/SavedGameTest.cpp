#include <gtest/gtest.h>

#include <filesystem>

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

TEST(SavedGame, AFailedWriteIsShownAndKeepsTheOldFile) {
    TempDir dir;
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path(""));
    std::filesystem::create_directory("zor.sav"); // cannot be replaced by a file
    CapturingBox box;
    EXPECT_FALSE(SaveGame());
    std::filesystem::current_path(old);
    ASSERT_EQ(box.texts.size(), 1u);
    EXPECT_NE(box.texts[0].find("SAVE FILE WRITE ERROR"), std::string::npos) << box.texts[0];
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path("zor.sav")));
}
