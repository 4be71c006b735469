#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "tests/packgen/PairFixture.h"
#include "tools/pairs/Verifier.h"

namespace {
using namespace pair_layout;

// A colour pair that differs plainly but looks the same to a deuteranope.
std::pair<Rgb, Rgb> ConfusableColours() {
    const Rgb a{200, 90, 90};
    for (int r = 0; r < 256; r += 5) {
        for (int g = 0; g < 256; g += 5) {
            const Rgb b{uint8_t(r), uint8_t(g), a.b};
            if (DeltaE(ToLab(a), ToLab(b)) >= 40 &&
                DeltaE(ToLab(SimulateDeuteranopia(a)), ToLab(SimulateDeuteranopia(b))) < 5) {
                return {a, b};
            }
        }
    }
    ADD_FAILURE() << "no confusable colour pair";
    return {a, a};
}

// Fills the inclusive stage rectangle on the left (offset 0) or right (offset 309) picture.
void Fill(RgbImage& stage, const MapRect& r, int offset, Rgb c) {
    for (int y = r.top; y <= r.bottom; ++y) {
        for (int x = r.left; x <= r.right; ++x) stage.Set(x + offset, y, c);
    }
}

// A 16x16 square of the left picture at least 12 pixels from every rectangle.
MapRect FreeSquare(const std::vector<MapRect>& map) {
    for (int y = kTopY; y + 16 < kTopY + kPictureHeight; y += 4) {
        for (int x = kLeftX; x + 16 < kLeftX + kPictureWidth; x += 4) {
            const MapRect s{x, y, x + 15, y + 15};
            bool clear = true;
            for (const MapRect& r : map) {
                clear = clear && (s.right + 12 < r.left || r.right + 12 < s.left || s.bottom + 12 < r.top ||
                                  r.bottom + 12 < s.top);
            }
            if (clear) return s;
        }
    }
    ADD_FAILURE() << "no free square";
    return {};
}

struct Plant {
    const char* name;
    void (*apply)(RgbImage& stage, DifferenceMap& map);
    int rect; // the rectangle that must be faulted, or -1 for the outside verdict
    const char* problem;
};

const Plant kPlants[] = {
    {"change_outside_every_rectangle",
     [](RgbImage& s, DifferenceMap& m) {
         Fill(s, FreeSquare({m.begin(), m.end()}), kRightOffset, {255, 0, 255});
     },
     -1, ""},
    {"empty_rectangle",
     [](RgbImage& s, DifferenceMap& m) {
         for (int y = m[2].top; y <= m[2].bottom; ++y) {
             for (int x = m[2].left; x <= m[2].right; ++x) s.Set(x + kRightOffset, y, s.At(x, y));
         }
     },
     2, "no plain difference"},
    {"overlap",
     [](RgbImage&, DifferenceMap& m) {
         m[1] = {m[0].left + 4, m[0].top + 4, m[0].right + 4, m[0].bottom + 4};
     },
     0, "overlaps rectangle 2"},
    {"colour_blind_invisible",
     [](RgbImage& s, DifferenceMap& m) {
         const auto [a, b] = ConfusableColours();
         Fill(s, m[3], 0, a);
         Fill(s, m[3], kRightOffset, b);
     },
     3, "colour-blind"},
    {"tiny", [](RgbImage&, DifferenceMap& m) { m[4].right = m[4].left + 12; }, 4, "smaller than 14x14"},
    {"huge",
     [](RgbImage&, DifferenceMap& m) {
         m[4] = {kLeftX, kTopY, kLeftX + 299, kTopY + 200};
     },
     4, "larger than a quarter"},
    {"outside_left_picture", [](RgbImage&, DifferenceMap& m) { m[4].left = kLeftX - 1; }, 4,
     "not inside the left picture"},
    {"inverted", [](RgbImage&, DifferenceMap& m) { std::swap(m[4].left, m[4].right); }, 4, "empty rectangle"},
    {"extreme_values",
     [](RgbImage&, DifferenceMap& m) {
         m[4] = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
     },
     4, "not inside"},
};
} // namespace

TEST(Verifier, GeneratedPairPassesWithEveryRectangleClear) {
    const GeneratedPair& pair = SamplePair();
    const PairReport report = VerifyPair(Decode(pair.jpeg), pair.map);
    EXPECT_TRUE(report.Ok()) << report.Summary();
    for (const RectReport& r : report.rects) EXPECT_GE(r.clearPixelsColourBlind, fairness::kMinClearPixels);
}

TEST(Verifier, RectanglesAreInTheStagePictureLeftPictureCoordinates) {
    for (const MapRect& r : SamplePair().map) {
        EXPECT_GE(r.left, kLeftX);
        EXPECT_GE(r.top, kTopY);
        EXPECT_LE(r.right, kLeftX + kPictureWidth - 1);
        EXPECT_LE(r.bottom, kTopY + kPictureHeight - 1);
    }
}

class PlantedFault : public testing::TestWithParam<Plant> {};

TEST_P(PlantedFault, IsCaughtAfterJpegEncoding) {
    const GeneratedPair& pair = SamplePair();
    RgbImage stage = Decode(pair.jpeg);
    DifferenceMap map = pair.map;
    GetParam().apply(stage, map);
    const PairReport report = VerifyPair(Decode(EncodeJpeg(stage, kPackJpegQuality)), map);
    EXPECT_FALSE(report.Ok());
    if (GetParam().rect < 0) {
        EXPECT_FALSE(report.OutsideOk()) << report.Summary();
    } else {
        EXPECT_NE(report.Summary().find(GetParam().problem), std::string::npos) << report.Summary();
        EXPECT_FALSE(report.rects[GetParam().rect].Ok()) << report.Summary();
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, PlantedFault, testing::ValuesIn(kPlants),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Verifier, EachPlaceThatDiffersOutsideIsOutlinedOnItsOwn) {
    const GeneratedPair& pair = SamplePair();
    RgbImage stage = Decode(pair.jpeg);
    const MapRect first = FreeSquare({pair.map.begin(), pair.map.end()});
    Fill(stage, first, kRightOffset, {255, 0, 255});
    // A second square far from the first and from every rectangle.
    std::vector<MapRect> taken(pair.map.begin(), pair.map.end());
    taken.push_back({first.left - 40, first.top - 40, first.right + 40, first.bottom + 40});
    const MapRect second = FreeSquare(taken);
    Fill(stage, second, kRightOffset, {0, 255, 255});
    const PairReport report = VerifyPair(stage, pair.map);
    ASSERT_EQ(report.strayRects.size(), 2u) << report.Summary();
    for (const MapRect& planted : {first, second}) {
        const bool outlined =
            std::any_of(report.strayRects.begin(), report.strayRects.end(), [&](const MapRect& r) {
                return r.left <= planted.left && planted.right <= r.right && r.top <= planted.top &&
                       planted.bottom <= r.bottom && r.right - r.left < 40 && r.bottom - r.top < 40;
            });
        EXPECT_TRUE(outlined) << report.Summary();
    }
}

// Rectangle 1 (and 2 where given) on a plain stage picture; the other slots hold inverted rectangles,
// which take part in no size or overlap test.
struct GeometryCase {
    const char* name;
    MapRect first, second;
    const char* problem;
    bool reported;
};

class Geometry : public testing::TestWithParam<GeometryCase> {};

TEST_P(Geometry, BoundsCountEveryPixelOfTheRectangle) {
    const GeometryCase& c = GetParam();
    DifferenceMap map;
    map.fill({1, 1, 0, 0});
    map[0] = c.first;
    if (c.second.right) map[1] = c.second;
    const PairReport report = VerifyPair(RgbImage(kImageWidth, kImageHeight), map);
    const std::vector<std::string>& problems = report.rects[0].problems;
    const bool found = std::any_of(problems.begin(), problems.end(), [&](const std::string& p) {
        return p.find(c.problem) != std::string::npos;
    });
    EXPECT_EQ(found, c.reported) << report.Summary();
}

constexpr const char* kSmall = "smaller than 14x14";
constexpr const char* kLarge = "larger than a quarter";
constexpr const char* kOverlap = "overlaps rectangle 2";
constexpr MapRect kSquare{30, 30, 60, 60};

INSTANTIATE_TEST_SUITE_P(
    Rectangles, Geometry,
    testing::Values(GeometryCase{"width_14", {30, 30, 43, 60}, {}, kSmall, false},
                    GeometryCase{"width_13", {30, 30, 42, 60}, {}, kSmall, true},
                    GeometryCase{"height_14", {30, 30, 60, 43}, {}, kSmall, false},
                    GeometryCase{"height_13", {30, 30, 60, 42}, {}, kSmall, true},
                    GeometryCase{"a_quarter", {kLeftX, kTopY, kLeftX + 149, kTopY + 199}, {}, kLarge, false},
                    GeometryCase{
                        "a_column_over", {kLeftX, kTopY, kLeftX + 150, kTopY + 199}, {}, kLarge, true},
                    GeometryCase{"a_row_over", {kLeftX, kTopY, kLeftX + 149, kTopY + 200}, {}, kLarge, true},
                    GeometryCase{"sharing_a_column", kSquare, {60, 30, 90, 60}, kOverlap, true},
                    GeometryCase{"sharing_a_row", kSquare, {30, 60, 60, 90}, kOverlap, true},
                    GeometryCase{"sharing_a_corner", kSquare, {60, 60, 90, 90}, kOverlap, true},
                    GeometryCase{"side_by_side", kSquare, {61, 30, 90, 60}, kOverlap, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Verifier, WrongPictureSizeFailsEveryRectangle) {
    const PairReport report = VerifyPair(RgbImage(320, 240), SamplePair().map);
    for (const RectReport& r : report.rects) EXPECT_FALSE(r.Ok());
}

TEST(Colour, DeuteranopiaKeepsGreysAndMergesRedWithGreen) {
    const Rgb grey{128, 128, 128};
    const Rgb seen = SimulateDeuteranopia(grey);
    EXPECT_NEAR(seen.r, 128, 2);
    EXPECT_NEAR(seen.g, 128, 2);
    EXPECT_NEAR(seen.b, 128, 2);
    const auto [a, b] = ConfusableColours();
    EXPECT_GE(DeltaE(ToLab(a), ToLab(b)), 40);
}
