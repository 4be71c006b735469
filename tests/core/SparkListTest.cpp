#include <gtest/gtest.h>

#include "game/control/Random.h"
#include "game/control/Scene.h"
#include "game/control/SparkList.h"
#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"

struct GrowthCase {
    int size;
    int grow;
    int expectedCapacity;
};

class SparkListGrowth : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(SparkListGrowth, GrowsByAStepThatFollowsTheSize) {
    const GrowthCase& c = GetParam();
    CSparkList list;
    list.SetSize(c.size, c.grow);
    ASSERT_EQ(list.Capacity(), c.size);
    list.SetSize(c.size + 1, -1);
    EXPECT_EQ(list.Size(), c.size + 1);
    EXPECT_EQ(list.Capacity(), c.expectedCapacity);
}

INSTANTIATE_TEST_SUITE_P(Steps, SparkListGrowth,
                         ::testing::Values(GrowthCase{7, 0, 11},        // 7/8 = 0, raised to 4
                                           GrowthCase{80, 0, 90},       // 80/8 = 10
                                           GrowthCase{10000, 0, 11024}, // 1250, cut to 1024
                                           GrowthCase{5, 100, 105}));   // a fixed step

TEST(SparkList, ShrinkingKeepsCapacityAndEmptyFreesAll) {
    CSparkList list;
    list.SetSize(20, 0);
    list.SetSize(5, -1);
    EXPECT_EQ(list.Size(), 5);
    EXPECT_EQ(list.Capacity(), 20);
    list.Empty();
    EXPECT_EQ(list.Size(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(Spark, InitRangesAndMovement) {
    SeedRandom(12345);
    for (int i = 0; i < 200; ++i) {
        CSpark s;
        s.Init(100, 100, 0x1234);
        ASSERT_GE(s.dx, -1);
        ASSERT_LE(s.dx, 1);
        ASSERT_GE(s.dy, -7);
        ASSERT_LE(s.dy, -3);
        EXPECT_EQ(s.life, 30);
    }
    CSpark s;
    s.x = 10;
    s.y = 100;
    s.dx = 1;
    s.dy = -5;
    s.life = 30;
    s.Message(MsgUpdate); // life 30 is a multiple of 3: dy slows by one after moving
    EXPECT_EQ(s.x, 11);
    EXPECT_EQ(s.y, 95);
    EXPECT_EQ(s.dy, -4);
    EXPECT_EQ(s.life, 29);
    s.Message(MsgUpdate);
    EXPECT_EQ(s.dy, -4);
}

TEST(SparkList, BurstAtTheBottomDiesBelow475OrAfter31Updates) {
    SeedRandom(1);
    CSparkList list;
    list.AddBurst(200, 455, 0xFFFF, 15);
    ASSERT_EQ(list.Size(), 15);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(list.At(i).index, i);
    int updates = 0;
    while (list.Size() > 0 && updates < 100) {
        list.UpdateAll();
        ++updates;
        for (int i = 0; i < list.Size(); ++i) {
            EXPECT_LE(list.At(i).y, 475);
            EXPECT_GE(list.At(i).life, 0);
            EXPECT_EQ(list.At(i).index, i);
        }
    }
    EXPECT_LE(updates, 31);
}

TEST(SparkList, LifeAloneEndsASparkAfter31Updates) {
    // A spark high on the screen never falls below the line in time: only its life ends it.
    CSparkList list;
    list.AddBurst(300, 100, 0xFFFF, 1);
    int updates = 0;
    while (list.Size() > 0) {
        list.UpdateAll();
        ++updates;
    }
    EXPECT_EQ(updates, 31);
}

TEST(SparkList, DrawShapesFollowLifeAndStayOnScreen) {
    gDisplay = DisplayState{};
    gDisplay.screenWidth = 640;
    gDisplay.screenHeight = 480;
    gDisplay.lowDDBack = std::make_unique<PixelBuffer>(640, 480);
    auto place = [&](int life, int x, int y) {
        CSpark s;
        s.x = x;
        s.y = y;
        s.life = life;
        s.colour = 0xF800;
        return s;
    };
    int pitch = 0;
    DDLock(gDisplay.lowDDBack.get(), pitch);
    for (CSpark s : {place(25, 10, 10), place(15, 30, 10), place(5, 0, 0)}) s.Message(MsgDraw);
    const PixelBuffer& back = *gDisplay.lowDDBack;
    int block = 0, cross = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            block += back.At(10 + dx, 10 + dy) == 0xF800;
            cross += back.At(30 + dx, 10 + dy) == 0xF800;
        }
    EXPECT_EQ(block, 9);              // life above 20: 3x3
    EXPECT_EQ(cross, 5);              // life 11..20: centre and diagonals
    EXPECT_EQ(back.At(0, 0), 0xF800); // a dot in the corner; neighbours off screen are skipped
    gDisplay = DisplayState{};
}
