#include <gtest/gtest.h>

#include <sstream>

#include "tests/packgen/PairFixture.h"
#include "tools/packgen/ArtKit.h"
#include "tools/packgen/PackStats.h"

namespace {
using namespace pair_layout;

RgbImage FlatStage(Rgb c) {
    RgbImage stage(kImageWidth, kImageHeight);
    for (int y = 0; y < kImageHeight; ++y) {
        for (int x = 0; x < kImageWidth; ++x) stage.Set(x, y, c);
    }
    return stage;
}

constexpr double kInnerPixels = (kPictureWidth - 2) * (kPictureHeight - 2);
} // namespace

TEST(EdgeDensity, CountsLightnessStepsOfTheLeftPictureOnly) {
    RgbImage stage = FlatStage({120, 160, 90});
    EXPECT_EQ(EdgeDensity(stage), 0.0);

    // A black-white step between two columns marks the pixel on each side of it.
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = kPictureWidth / 2; x < kPictureWidth; ++x) stage.Set(kLeftX + x, kTopY + y, kWhite);
    }
    EXPECT_DOUBLE_EQ(EdgeDensity(stage), 2 * (kPictureHeight - 2) / kInnerPixels);

    // The right picture and the frame do not count.
    RgbImage right = FlatStage({120, 160, 90});
    for (int y = 0; y < kImageHeight; y += 2) {
        for (int x = kLeftX + kRightOffset; x < kImageWidth; ++x) right.Set(x, y, kWhite);
    }
    EXPECT_EQ(EdgeDensity(right), 0.0);
}

TEST(EdgeDensity, ASlowGradientIsNoEdge) {
    RgbImage stage(kImageWidth, kImageHeight);
    for (int y = 0; y < kImageHeight; ++y) {
        for (int x = 0; x < kImageWidth; ++x)
            stage.Set(x, y, {uint8_t(y / 2), uint8_t(y / 2), uint8_t(y / 2)});
    }
    EXPECT_EQ(EdgeDensity(stage), 0.0);
}

TEST(PackStats, MeasuresAGeneratedPairAndPrintsEveryKind) {
    const PictureStats stats = MeasurePair(SamplePair());
    EXPECT_GT(stats.edgeDensity, 0.1);
    EXPECT_GE(stats.objects, 25);
    for (const DifferenceStats& d : stats.differences) {
        EXPECT_GE(d.clearPixels, fairness::kMinClearPixels);
        EXPECT_GE(d.colourDistance, fairness::kClearDeltaE);
    }
    std::ostringstream out;
    PrintStats(out, "sample", {stats, stats});
    EXPECT_NE(out.str().find("sample: 2 pictures"), std::string::npos) << out.str();
    for (int k = 0; k < kDifferenceKinds; ++k) {
        EXPECT_NE(out.str().find(std::string(KindName(DifferenceKind(k))) + " "), std::string::npos)
            << out.str();
    }
}
