#include <gtest/gtest.h>

#include <algorithm>

#include "tests/packgen/PairFixture.h"
#include "tests/pairs/PhotoScene.h"
#include "tools/pairs/DifferenceFinder.h"
#include "tools/pairs/Verifier.h"

namespace {
using namespace pair_layout;
constexpr int kNoisyQuality = 75; // well below the packs' quality

bool Intersect(const MapRect& a, const MapRect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// The same photo-like picture on both sides, a stage picture with nothing to find.
RgbImage TwinStage() {
    RgbImage stage(kImageWidth, kImageHeight);
    const RgbImage photo = RenderPhotoScene(5, kPictureWidth, kPictureHeight);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            stage.Set(kLeftX + x, kTopY + y, photo.At(x, y));
            stage.Set(kLeftX + kRightOffset + x, kTopY + y, photo.At(x, y));
        }
    }
    return stage;
}

RgbImage PlainStage(Rgb colour) {
    RgbImage stage(kImageWidth, kImageHeight);
    for (int y = 0; y < kImageHeight; ++y) {
        for (int x = 0; x < kImageWidth; ++x) stage.Set(x, y, colour);
    }
    return stage;
}

// Changes a square of the right picture (stage coordinates of the left picture).
void Plant(RgbImage& stage, int x, int y, int side, Rgb c) {
    for (int dy = 0; dy < side; ++dy) {
        for (int dx = 0; dx < side; ++dx) stage.Set(x + dx + kRightOffset, y + dy, c);
    }
}

void ExpectFairShapes(const std::vector<MapRect>& rects) {
    for (size_t i = 0; i < rects.size(); ++i) {
        const MapRect& r = rects[i];
        EXPECT_GE(r.left, kLeftX);
        EXPECT_GE(r.top, kTopY);
        EXPECT_LE(r.right, kLeftX + kPictureWidth - 1);
        EXPECT_LE(r.bottom, kTopY + kPictureHeight - 1);
        EXPECT_GE(r.right - r.left + 1, fairness::kMinSide);
        EXPECT_GE(r.bottom - r.top + 1, fairness::kMinSide);
        for (size_t j = i + 1; j < rects.size(); ++j)
            EXPECT_FALSE(Intersect(r, rects[j])) << i << " and " << j;
    }
}
// Every pixel the mask marks lies inside one of the rectangles.
void ExpectEveryDifferingPixelInside(const RgbImage& stage, const std::vector<MapRect>& rects) {
    const std::vector<uint8_t> mask = FindDifferingPixels(stage);
    int outside = 0;
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            if (!mask[size_t(y * kPictureWidth + x)]) continue;
            const int sx = x + kLeftX, sy = y + kTopY;
            outside += std::none_of(rects.begin(), rects.end(), [&](const MapRect& r) {
                return r.left <= sx && sx <= r.right && r.top <= sy && sy <= r.bottom;
            });
        }
    }
    EXPECT_EQ(outside, 0);
}
} // namespace

TEST(Suggest, FindsEveryDifferenceOfAGeneratedPairFromItsJpeg) {
    const GeneratedPair& pair = SamplePair();
    const RgbImage stage = Decode(pair.jpeg);
    const std::vector<MapRect> suggested = SuggestRectangles(stage);
    ASSERT_EQ(suggested.size(), 5u);
    ExpectFairShapes(suggested);
    ExpectEveryDifferingPixelInside(stage, suggested);
    for (const MapRect& truth : pair.map) {
        double best = 0;
        for (const MapRect& s : suggested) best = std::max(best, IntersectionOverUnion(s, truth));
        EXPECT_GE(best, 0.5) << truth.left << "," << truth.top;
    }
    // The suggestion is a fair map of the pair.
    DifferenceMap map;
    std::copy(suggested.begin(), suggested.end(), map.begin());
    const PairReport report = VerifyPair(stage, map);
    EXPECT_TRUE(report.Ok()) << report.Summary();
}

TEST(Suggest, CompressionNoiseAloneIsNoDifference) {
    // The two pictures sit differently on the 8x8 blocks, so JPEG blurs them differently.
    const RgbImage stage = Decode(EncodeJpeg(TwinStage(), kNoisyQuality));
    EXPECT_TRUE(SuggestRectangles(stage).empty());
    const std::vector<uint8_t> mask = FindDifferingPixels(stage);
    ASSERT_EQ(mask.size(), size_t(kPictureWidth * kPictureHeight));
    EXPECT_EQ(std::count(mask.begin(), mask.end(), 1), 0);
}

TEST(Suggest, MaskMarksExactlyTheChangedPixels) {
    RgbImage stage = PlainStage({0, 0, 0});
    Plant(stage, kLeftX + 40, kTopY + 50, 20, {255, 255, 0});
    for (int x = 100; x < 130; ++x) stage.Set(kLeftX + kRightOffset + x, kTopY + 200, {255, 255, 255});
    const std::vector<uint8_t> mask = FindDifferingPixels(stage);
    EXPECT_EQ(std::count(mask.begin(), mask.end(), 1), 400 + 30); // a thin line counts too
    EXPECT_EQ(mask[(50 + 10) * kPictureWidth + 40 + 10], 1);
    EXPECT_EQ(mask[(50 - 1) * kPictureWidth + 40], 0);
}

TEST(Suggest, MoreThanFivePlacesAreJoinedIntoFiveApartRectangles) {
    RgbImage stage = PlainStage({0, 0, 0});
    // Seven squares: two pairs close together, three alone; then two squares only 4 pixels apart,
    // whose margins would meet.
    const int places[][2] = {{20, 30}, {50, 30}, {200, 60}, {200, 90}, {40, 200}, {150, 250}, {250, 350}};
    for (const auto& p : places) Plant(stage, kLeftX + p[0], kTopY + p[1], 16, {250, 20, 250});
    const std::vector<MapRect> suggested = SuggestRectangles(stage);
    EXPECT_EQ(suggested.size(), 5u);
    ExpectFairShapes(suggested);
    ExpectEveryDifferingPixelInside(stage, suggested);
}

TEST(Suggest, ABlockIsFramedByTheMarginOnEverySide) {
    RgbImage stage = PlainStage({0, 0, 0});
    const int x = kLeftX + 100, y = kTopY + 120, side = 20;
    Plant(stage, x, y, side, {255, 255, 255});
    const std::vector<MapRect> suggested = SuggestRectangles(stage);
    ASSERT_EQ(suggested.size(), 1u);
    using finding::kMargin;
    EXPECT_EQ(suggested[0],
              (MapRect{x - kMargin, y - kMargin, x + side - 1 + kMargin, y + side - 1 + kMargin}));
}

TEST(Suggest, NeighboursCloserThanTheMarginKeepApartRectangles) {
    RgbImage stage = PlainStage({0, 0, 0});
    Plant(stage, kLeftX + 100, kTopY + 100, 20, {255, 255, 255});
    Plant(stage, kLeftX + 100 + 20 + 6, kTopY + 100, 20, {255, 255, 255});
    const std::vector<MapRect> suggested = SuggestRectangles(stage);
    ASSERT_EQ(suggested.size(), 2u);
    ExpectFairShapes(suggested);
}

TEST(Suggest, ATinyChangeGetsARectangleOfTheSmallestFairSideInsideThePicture) {
    RgbImage stage = PlainStage({0, 0, 0});
    Plant(stage, kLeftX, kTopY, 6, {255, 255, 255}); // in the corner
    const std::vector<MapRect> suggested = SuggestRectangles(stage);
    ASSERT_EQ(suggested.size(), 1u);
    ExpectFairShapes(suggested);
}

TEST(Suggest, OtherPictureSizesGiveNothing) {
    EXPECT_TRUE(SuggestRectangles(RgbImage(320, 240)).empty());
    EXPECT_TRUE(FindDifferingPixels(RgbImage(640, 479)).empty());
    EXPECT_TRUE(SuggestRectangles(RgbImage()).empty());
}
