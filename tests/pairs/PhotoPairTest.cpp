#include <gtest/gtest.h>

#include <sstream>

#include "tests/packgen/PairFixture.h"
#include "tests/pairs/PhotoScene.h"
#include "tests/support/TestFiles.h"
#include "tools/packgen/PackReader.h"
#include "tools/packgen/PhotoPair.h"
#include "tools/pairs/Verifier.h"

namespace {
using namespace pair_layout;

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

namespace {
// A directory of photos for --photos: `good` photo-like scenes, after (in name order) photos that
// cannot give a pair: bytes that are no JPEG, and a plain grey picture.
void WritePhotos(const TempDir& dir, int good) {
    dir.Write("0-broken.jpg", {0xFF, 0xD8, 0x00, 0x01});
    dir.Write("0-grey.jpg", EncodeJpeg(Grey(450, 600), 90));
    for (int i = 0; i < good; ++i)
        dir.Write("photo" + std::to_string(i) + ".jpg", EncodeJpeg(RenderPhotoScene(40 + i, 300, 400), 90));
}
} // namespace

TEST(PhotoPack, SkipsUnusablePhotosWithTheirReasonsAndFailsOnlyShortOfTen) {
    TempDir dir;
    WritePhotos(dir, kPicturesPerPack);
    std::vector<uint8_t> archive;
    std::string error;
    std::ostringstream progress;
    ASSERT_TRUE(BuildPhotoPack(dir.Path(""), {}, 3, archive, progress, error)) << error << progress.str();
    EXPECT_NE(progress.str().find("skipped 0-broken.jpg: "), std::string::npos) << progress.str();
    EXPECT_NE(progress.str().find("skipped 0-grey.jpg: no shapes"), std::string::npos) << progress.str();
    EXPECT_NE(progress.str().find("photo9.jpg -> pair09.jpg"), std::string::npos) << progress.str();
    PackReader pack;
    ASSERT_TRUE(pack.Load(archive, error)) << error;
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(pack.Read("pair09.map", bytes));

    TempDir few;
    WritePhotos(few, 1);
    std::ostringstream ignored;
    EXPECT_FALSE(BuildPhotoPack(few.Path(""), {}, 3, archive, ignored, error));
    EXPECT_NE(error.find("1 could be made from the 3 JPEG photos"), std::string::npos) << error;
    EXPECT_NE(error.find("0-grey.jpg"), std::string::npos) << error;
}

TEST(PhotoPair, EveryChangeMadeBlendsByThePairsOwnMeasure) {
    PhotoPair pair;
    std::string error;
    ASSERT_TRUE(MakePhotoPair(Photo(), {}, 2, pair, error)) << error;
    // The generator's verdict is the figures an author's check prints for the pair.
    const auto checked = MeasurePairBlend(Decode(pair.jpeg), pair.map);
    for (size_t k = 0; k < checked.size(); ++k) {
        EXPECT_GT(checked[k].editPixels, 0);
        EXPECT_TRUE(checked[k].Blends()) << pair.edits[k] << ": " << checked[k].Describe();
        EXPECT_FLOAT_EQ(checked[k].BorderRatio(), pair.blend[k].BorderRatio());
        EXPECT_FLOAT_EQ(checked[k].DetailRatio(), pair.blend[k].DetailRatio());
    }
    EXPECT_GE(pair.fairEdits, pair.blendingEdits);
    EXPECT_EQ(pair.blendingEdits, kDifferences);
}
