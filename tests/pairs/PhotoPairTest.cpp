#include <gtest/gtest.h>

#include "tests/packgen/PairFixture.h"
#include "tests/pairs/PhotoScene.h"
#include "tools/packgen/PhotoPair.h"
#include "tools/pairs/Verifier.h"

namespace {
const RgbImage& Photo() {
    static const RgbImage photo = RenderPhotoScene(3, 900, 700); // wider than the picture: cropped
    return photo;
}
} // namespace

TEST(PhotoPair, FiveVerifiedDifferencesTheSameForTheSameSeed) {
    PhotoPair pair, again;
    std::string error;
    ASSERT_TRUE(MakePhotoPair(Photo(), {}, 11, pair, error)) << error;
    const PairReport report = VerifyPair(Decode(pair.jpeg), pair.map);
    EXPECT_TRUE(report.Ok()) << report.Summary();
    for (const char* edit : pair.edits) EXPECT_NE(edit, nullptr);
    ASSERT_TRUE(MakePhotoPair(Photo(), {}, 11, again, error)) << error;
    EXPECT_EQ(again.jpeg, pair.jpeg);
    EXPECT_EQ(again.map, pair.map);
}

TEST(PhotoPair, ACropPicksThePartOfThePhoto) {
    PhotoPair whole, part;
    std::string error;
    ASSERT_TRUE(MakePhotoPair(Photo(), {}, 5, whole, error)) << error;
    ASSERT_TRUE(MakePhotoPair(Photo(), {0, 100, 450, 600, true}, 5, part, error)) << error;
    EXPECT_NE(whole.jpeg, part.jpeg);
    EXPECT_TRUE(VerifyPair(Decode(part.jpeg), part.map).Ok());
}

struct Refusal {
    const char* name;
    RgbImage photo;
    PhotoCrop crop;
    const char* reason;
};

class PhotoRefused : public testing::TestWithParam<Refusal> {};

TEST_P(PhotoRefused, WithAReason) {
    PhotoPair pair;
    std::string error;
    EXPECT_FALSE(MakePhotoPair(GetParam().photo, GetParam().crop, 1, pair, error));
    EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
}

RgbImage Grey(int w, int h) {
    RgbImage image(w, h);
    std::fill(image.pixels.begin(), image.pixels.end(), uint8_t(128));
    return image;
}

INSTANTIATE_TEST_SUITE_P(
    Photos, PhotoRefused,
    testing::Values(Refusal{"crop_outside", Grey(400, 400), {300, 0, 200, 200, true}, "outside"},
                    Refusal{"crop_negative", Grey(400, 400), {-1, 0, 200, 200, true}, "outside"},
                    Refusal{"too_small", Grey(60, 80), {}, "too small"},
                    Refusal{"nothing_stands_out", Grey(600, 800), {}, "no shapes"}),
    [](const auto& info) { return std::string(info.param.name); });
