#include <gtest/gtest.h>

#include <vector>

#include "game/screens/Globals.h"
#include "tests/gfx/DisplayFixture.h"

namespace {
constexpr uint16_t kBackground = 1;
constexpr uint16_t kFirstItem = 100; // item i is drawn in kFirstItem + i
constexpr int kItemRow = 262;

class LogoTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        gLogoScene.background = MakeSprite(640, 480, 0, 0, [](int, int) { return kBackground; });
        gLogoScene.items =
            MakeSprite(48, 12, 12, 12, [](int x, int) { return uint16_t(kFirstItem + x / 12); });
        gLogoScene.counter = 0;
    }
    void TearDown() override {
        gLogoScene.background = {};
        gLogoScene.items = {};
        gLogoScene.counter = 0;
        DisplayTest::TearDown();
    }
    // The left edge of every item seen on the item row, by item; -1 for an item not drawn.
    std::vector<int> ItemLefts() {
        std::vector<int> lefts(CLogoScene::kItems, -1);
        for (int x = 639; x >= 0; --x) {
            const int item = Back().At(x, kItemRow) - kFirstItem;
            if (item >= 0 && item < CLogoScene::kItems) lefts[item] = x;
        }
        return lefts;
    }
};
} // namespace

TEST_F(LogoTest, ItemsStand112ApartAtFirstAndTheFourthIsBeyondTheEdge) {
    gLogoScene.Message(MsgDraw, 0, 0);
    EXPECT_EQ(ItemLefts(), (std::vector<int>{314, 426, 538, -1}));
}

TEST_F(LogoTest, ItemsTouchAtStep100) {
    gLogoScene.counter = 100;
    gLogoScene.Message(MsgDraw, 0, 0);
    EXPECT_EQ(ItemLefts(), (std::vector<int>{314, 326, 338, 350}));
}

TEST(LogoUpdate, RunsFor101UpdatesAndAnswersDoneAtThe102nd) {
    gLogoScene.counter = 0;
    for (int update = 1; update <= 101; ++update) ASSERT_EQ(gLogoScene.Message(MsgUpdate, 0, 0), 1) << update;
    EXPECT_EQ(gLogoScene.Message(MsgUpdate, 0, 0), 0);
    EXPECT_EQ(gLogoScene.counter, CLogoScene::kFinalStep);
    gLogoScene.counter = 0;
}

TEST(LogoEnter, StartsTheItemsAgain) {
    gLogoScene.counter = 57;
    EXPECT_EQ(gLogoScene.Message(MsgEnter, 0, 0), 1);
    EXPECT_EQ(gLogoScene.counter, 0);
}
