#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <opencv2/imgproc.hpp>

#include "tools/packgen/PhotoPlaces.h"

namespace {
constexpr int kWidth = 300, kHeight = 400;

// Grain of a fixed seed over a flat colour; `strength` 0 leaves it flat.
cv::Mat Grainy(cv::Scalar colour, double strength) {
    cv::Mat picture(kHeight, kWidth, CV_8UC3, colour), noise(kHeight, kWidth, CV_16SC3);
    cv::RNG rng(7);
    rng.fill(noise, cv::RNG::NORMAL, 0, strength);
    cv::Mat grain;
    cv::add(picture, noise, grain, cv::noArray(), CV_8UC3);
    return strength > 0 ? grain : picture;
}

struct PlacesCase {
    const char* name;
    std::function<cv::Mat()> picture;
    cv::Point thing; // a point some thing must cover, or (-1, -1) when no thing is expected
    bool calm;       // whether calm places are expected
};

class Places : public testing::TestWithParam<PlacesCase> {};

TEST_P(Places, FindsTheThingsAndCalmStretchesOfAPicture) {
    const std::vector<PhotoRegion> places = FindPlaces(GetParam().picture());
    const auto covers = [&](const PhotoRegion& p) {
        return p.kind == PlaceKind::Thing && p.mask.at<uchar>(GetParam().thing) == 255;
    };
    const bool anyThing = std::any_of(places.begin(), places.end(),
                                      [](const PhotoRegion& p) { return p.kind == PlaceKind::Thing; });
    if (GetParam().thing.x < 0) {
        EXPECT_FALSE(anyThing);
    } else {
        EXPECT_TRUE(std::any_of(places.begin(), places.end(), covers));
    }
    const bool anyCalm = std::any_of(places.begin(), places.end(),
                                     [](const PhotoRegion& p) { return p.kind == PlaceKind::Calm; });
    EXPECT_EQ(anyCalm, GetParam().calm);
    for (const PhotoRegion& p : places) {
        EXPECT_EQ((p.box & cv::Rect(0, 0, kWidth, kHeight)), p.box);
        EXPECT_EQ(cv::countNonZero(p.mask(p.box)), cv::countNonZero(p.mask)) << "mask outside its box";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Places,
    testing::Values(
        PlacesCase{"plain_sky",
                   [] {
                       return Grainy({120, 160, 220}, 0);
                   },
                   {-1, -1},
                   true},
        // A dark post in a calm sky: a thing, and calm places around it.
        PlacesCase{"post_in_the_sky",
                   [] {
                       cv::Mat p = Grainy({120, 160, 220}, 1.5);
                       cv::rectangle(p, cv::Rect(140, 150, 14, 40), cv::Scalar(40, 35, 30), cv::FILLED);
                       return p;
                   },
                   {147, 170},
                   true},
        // Grass everywhere, one small flower: too busy for calm places, the flower found by its contrast.
        PlacesCase{"flower_in_grass",
                   [] {
                       cv::Mat p = Grainy({60, 120, 40}, 22);
                       cv::circle(p, {200, 260}, 7, cv::Scalar(230, 220, 60), cv::FILLED);
                       return p;
                   },
                   {200, 260},
                   false}),
    [](const auto& info) { return std::string(info.param.name); });
} // namespace
