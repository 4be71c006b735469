// Pairs from every photo of the test suite's set of real photographs (tests/photos): each gives a fair
// pair or is named with the reason, every difference made blends by the pair library's measure, and the
// figures are printed: the photos that gave a pair, the share of the pairs' differences that blend, the
// share of all fair changes tried that blended (the rest were undone), the CPU time per pair.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "tests/packgen/PairFixture.h"
#include "tools/packgen/PhotoPair.h"
#include "tools/pairs/Verifier.h"

namespace {
constexpr double kMinPhotoShare = 0.9;  // of the photos, at least this many give a pair
constexpr double kMinBlendShare = 0.5;  // of the fair changes tried, at least this many blend
constexpr double kMaxMedianSeconds = 4; // CPU time per pair; the figure to meet is 2 s in a release build

std::vector<std::string> PhotoSet() {
    std::vector<std::string> photos;
    for (const auto& entry : std::filesystem::directory_iterator(ZOR_PHOTO_SET_DIR))
        if (entry.path().extension() == ".jpg") photos.push_back(entry.path().string());
    std::sort(photos.begin(), photos.end());
    return photos;
}
} // namespace

TEST(PhotoSetSweep, EveryPhotoGivesAFairPairWhoseChangesBlend) {
    const std::vector<std::string> photos = PhotoSet();
    ASSERT_GE(photos.size(), 20u);
    int made = 0, fair = 0, blending = 0, kept = 0, keptBlending = 0;
    std::vector<double> seconds;
    std::string refused;
    for (const std::string& path : photos) {
        const std::string name = std::filesystem::path(path).filename().string();
        PhotoPair pair;
        std::string error;
        const std::clock_t start = std::clock();
        const bool ok = MakePhotoPairFromFile(path, {}, 1, pair, error);
        seconds.push_back(double(std::clock() - start) / CLOCKS_PER_SEC);
        fair += pair.fairEdits, blending += pair.blendingEdits;
        if (!ok) {
            refused += "  " + error + "\n";
            continue;
        }
        ++made;
        const PairReport report = VerifyPair(Decode(pair.jpeg), pair.map);
        EXPECT_TRUE(report.Ok()) << name << "\n" << report.Summary();
        for (const BlendFigures& f : MeasurePairBlend(Decode(pair.jpeg), pair.map)) {
            EXPECT_TRUE(f.Blends()) << name << ": " << f.Describe();
            ++kept, keptBlending += f.Blends();
        }
        std::printf("%-26s %s", name.c_str(), DescribePhotoPair(pair).c_str());
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    const double blendShare = fair ? double(blending) / fair : 0;
    std::printf(
        "photo set: %d of %zu photos gave a fair pair; %d of their %d differences blend; %d of %d fair "
        "changes tried blended (%.2f); median %.2f s CPU a photo\n%s",
        made, photos.size(), keptBlending, kept, blending, fair, blendShare, median, refused.c_str());
    EXPECT_GE(made, int(kMinPhotoShare * double(photos.size()))) << refused;
    EXPECT_GE(blendShare, kMinBlendShare);
    EXPECT_LE(median, kMaxMedianSeconds);
}
