#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include "game/gfx/PixelConversion.h"
#include "game/io/Pen.h"
#include "game/play/DifferenceMap.h"
#include "game/shell/Globals.h"
#include "tests/gfx/DisplayFixture.h"

namespace {
CDifferenceMap MapWith(std::initializer_list<Rect> rects) {
    CDifferenceMap map;
    int k = 0;
    for (const Rect& r : rects) map.rects[k++] = r;
    for (; k < CDifferenceMap::kDifferences; ++k) map.rects[k] = {-1, -1, -2, -2}; // never hit
    return map;
}

// A pen whose tip (x + 23, y + 18) lies on the given point of the left picture.
Pen PenAt(int kind, int tipX, int tipY) {
    Pen pen;
    pen.kind = kind;
    pen.x = tipX - Pen::kTipX + (kind == PenPlayer2 ? CDifferenceMap::kRightPictureOffset : 0);
    pen.y = tipY - Pen::kTipY;
    return pen;
}
} // namespace

struct HitCase {
    const char* name;
    int tipX, tipY;
    int hit;
};

class HitTestEdges : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTestEdges, AllFourSidesAreInside) {
    CDifferenceMap map = MapWith({{100, 50, 140, 90}});
    EXPECT_EQ(map.HitTest(PenAt(PenPlayer1, GetParam().tipX, GetParam().tipY)), GetParam().hit);
}

INSTANTIATE_TEST_SUITE_P(Points, HitTestEdges,
                         ::testing::Values(HitCase{"right_edge", 140, 70, 1},
                                           HitCase{"bottom_edge", 120, 90, 1},
                                           HitCase{"top_left", 100, 50, 1}, HitCase{"past_right", 141, 70, 0},
                                           HitCase{"past_bottom", 120, 91, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DifferenceMap, OverlapFindsTheLowerIndexFirstThenTheOther) {
    CDifferenceMap map = MapWith({{0, 0, 50, 50}, {40, 40, 90, 90}});
    const Pen pen = PenAt(PenPlayer1, 45, 45);
    EXPECT_EQ(map.HitTest(pen), 1);
    EXPECT_EQ(map.finders[0], 1);
    EXPECT_EQ(map.HitTest(pen), 1);
    EXPECT_EQ(map.finders[1], 1);
    EXPECT_EQ(map.HitTest(pen), 0); // both found: a miss
}

TEST(DifferenceMap, PlayerTwoTestsAgainstTheLeftPicture) {
    CDifferenceMap map = MapWith({{254, 100, 254, 100}});
    Pen pen;
    pen.kind = PenPlayer2;
    pen.x = 540; // 540 + 23 - 309 = 254
    pen.y = 82;  // 82 + 18 = 100
    EXPECT_EQ(map.HitTest(pen), 1);
    EXPECT_EQ(map.finders[0], 2);
    EXPECT_EQ(map.marks[0], (Point{540, 82})); // the pen position, not the hot spot
}

TEST(DifferenceMap, InvertedRectangleIsNeverHitButIsRevealed) {
    CDifferenceMap map = MapWith({{80, 80, 20, 20}});
    EXPECT_EQ(map.HitTest(PenAt(PenPlayer1, 50, 50)), 0);
    map.RevealAll(3, 0);
    EXPECT_EQ(map.finders[0], CDifferenceMap::kRevealed);
    EXPECT_EQ(map.marks[0], (Point{80, 80}));
}

TEST(DifferenceMap, RemainingCountsFindsButNotReveals) {
    CDifferenceMap map =
        MapWith({{0, 0, 10, 10}, {20, 0, 30, 10}, {40, 0, 50, 10}, {60, 0, 70, 10}, {80, 0, 90, 10}});
    EXPECT_EQ(map.Remaining(), 5);
    map.HitTest(PenAt(PenPlayer1, 5, 5));
    map.HitTest(PenAt(PenPlayer2, 25, 5));
    EXPECT_EQ(map.Remaining(), 3);
    map.RevealAll(10, 10);
    EXPECT_EQ(map.Remaining(), 3);
    EXPECT_EQ(map.livesSnapshot[0], 10);
}

TEST(DifferenceMap, FoundMarkAppearsAfterSevenStepsAndCyclesEightFrames) {
    CDifferenceMap map = MapWith({{0, 0, 10, 10}});
    map.HitTest(PenAt(PenPlayer1, 5, 5));
    gShell.frameCounter = 0; // updates run on even frames only
    for (int i = 0; i < 7; ++i) map.Message(MsgUpdate, 0, 0);
    EXPECT_EQ(map.delays[0], 7);
    EXPECT_EQ(map.frames[0], 0);
    gShell.frameCounter = 1;
    map.Message(MsgUpdate, 0, 0);
    EXPECT_EQ(map.frames[0], 0);
    gShell.frameCounter = 2;
    std::vector<int> cycle;
    for (int i = 0; i < 10; ++i) {
        map.Message(MsgUpdate, 0, 0);
        cycle.push_back(map.frames[0]);
    }
    EXPECT_EQ(cycle, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 1, 2}));
}

TEST(DifferenceMap, RevealedMarkBlinksBetweenTwoFrames) {
    CDifferenceMap map = MapWith({{0, 0, 10, 10}});
    map.RevealAll(1, 1);
    gShell.frameCounter = 4;
    for (int i = 0; i < 8; ++i) map.Message(MsgUpdate, 0, 0);
    EXPECT_EQ(map.frames[0], 1);
    map.Message(MsgUpdate, 0, 0);
    EXPECT_EQ(map.frames[0], 0);
}

TEST(DifferenceMap, ShortMapReadsZerosAndMapNamesFollowThePicture) {
    CDifferenceMap map;
    const uint8_t bytes[20] = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    map.ReadRecords(bytes, sizeof bytes);
    EXPECT_EQ(map.rects[0], (Rect{1, 2, 3, 4}));
    EXPECT_EQ(map.rects[1], (Rect{-1, 0, 0, 0}));
    EXPECT_EQ(map.rects[4], (Rect{}));
    EXPECT_EQ(MapNameFor("Pic01.JPG"), "pic01.map");
    EXPECT_EQ(MapNameFor("a.b.jpg"), "a.map");
}

TEST(DifferenceMap, FileLoadKeepsShowAnswersAndMissingFileAnswersZero) {
    char path[] = "/tmp/zor-map-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    uint8_t bytes[kMapFileBytes] = {};
    bytes[0] = 7;
    ASSERT_EQ(write(fd, bytes, sizeof bytes), ssize_t(sizeof bytes));
    close(fd);
    CDifferenceMap map;
    map.showAnswers = 1;
    EXPECT_EQ(map.LoadMapFile(path), 1);
    EXPECT_EQ(map.showAnswers, 1);
    EXPECT_EQ(map.rects[0].left, 7);
    std::remove(path);
    EXPECT_EQ(map.LoadMapFile(path), 0);
}

struct ExtremeCase {
    const char* name;
    Rect rect;
    std::vector<Point> leftOutline;  // pixels of the outline on the left picture
    std::vector<Point> rightOutline; // and on the right one, 309 further right
};

class ExtremeRectangles : public DisplayTest, public ::testing::WithParamInterface<ExtremeCase> {};

// Rectangles hold any 32-bit values a file gives; drawing them answers and revealing them must neither
// overflow nor lose the part of the outline that is on the screen.
TEST_P(ExtremeRectangles, DrawTheirOutlinesAndMarksSafely) {
    const ExtremeCase& c = GetParam();
    CDifferenceMap map = MapWith({c.rect});
    map.showAnswers = 1;
    map.RevealAll(1, 1);
    Back().Fill(0);
    map.Message(MsgDraw, 0, 0);
    int drawn = 0;
    for (int y = 0; y < kScreenHeight; ++y)
        for (int x = 0; x < kScreenWidth; ++x) drawn += Back().At(x, y) != 0 ? 1 : 0;
    EXPECT_EQ(drawn > 0, !c.leftOutline.empty());
    for (const Point& p : c.leftOutline) EXPECT_EQ(Back().At(p.x, p.y), PlaceChannels(10, 31, 31)) << p.x;
    for (const Point& p : c.rightOutline) EXPECT_EQ(Back().At(p.x, p.y), PlaceChannels(30, 30, 30)) << p.x;
}

INSTANTIATE_TEST_SUITE_P(
    Maps, ExtremeRectangles,
    ::testing::Values(
        ExtremeCase{"FromFarLeft", {INT_MIN, 10, 100, 50}, {{99, 30}, {99, 11}}, {{408, 30}, {300, 10}}},
        ExtremeCase{"ToFarRight", {100, 10, INT_MAX, 50}, {{100, 30}, {300, 10}}, {{409, 30}, {600, 10}}},
        ExtremeCase{
            "FromFarTop", {20, INT_MIN, 60, 40}, {{20, 0}, {59, 20}, {40, 39}}, {{329, 0}, {340, 39}}},
        ExtremeCase{"AroundEverything", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {}, {}},
        ExtremeCase{"InvertedExtremes", {INT_MAX, INT_MAX, INT_MIN, INT_MIN}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
