#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include "tools/pairs/Blend.h"

namespace {
using namespace pair_layout;

constexpr int kBox = 60, kBoxX = 100, kBoxY = 120; // the edited square, picture coordinates
constexpr MapRect kRect{kLeftX + kBoxX - 4, kTopY + kBoxY - 4, kLeftX + kBoxX + kBox + 3,
                        kTopY + kBoxY + kBox + 3};

// A grainy, shaded picture like a photo's: a slow gradient, ripples and pixel noise.
uint8_t Grain(int x, int y, int channel) {
    uint32_t h = uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u ^ uint32_t(channel) * 83492791u;
    h ^= h >> 13, h *= 0x5bd1e995u, h ^= h >> 15;
    const double value = 90 + 0.15 * y + 18 * std::sin(x * 0.45) * std::cos(y * 0.37) + int(h % 31) - 15;
    return uint8_t(std::clamp(value + channel * 12, 0.0, 255.0));
}

RgbImage Stage() {
    RgbImage stage(kImageWidth, kImageHeight);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const Rgb c{Grain(x, y, 0), Grain(x, y, 1), Grain(x, y, 2)};
            stage.Set(kLeftX + x, kTopY + y, c);
            stage.Set(kLeftX + kRightOffset + x, kTopY + y, c);
        }
    }
    return stage;
}

// Changes the right picture's pixel (x, y) (picture coordinates) of the edited square and its surround.
using Edit = std::function<Rgb(const RgbImage& stage, int x, int y)>;

RgbImage Edited(const Edit& edit, int reach) {
    RgbImage stage = Stage();
    const RgbImage original = stage;
    for (int y = kBoxY - reach; y < kBoxY + kBox + reach; ++y)
        for (int x = kBoxX - reach; x < kBoxX + kBox + reach; ++x)
            stage.Set(kLeftX + kRightOffset + x, kTopY + y, edit(original, x, y));
    return stage;
}

Rgb Left(const RgbImage& stage, int x, int y) {
    return stage.At(kLeftX + x, kTopY + y);
}

bool InBox(int x, int y) {
    return x >= kBoxX && x < kBoxX + kBox && y >= kBoxY && y < kBoxY + kBox;
}

// A weight that is 1 inside the square and falls to 0 over `width` pixels outside it.
double Fade(int x, int y, int width) {
    const int dx = std::max({kBoxX - x, x - (kBoxX + kBox - 1), 0});
    const int dy = std::max({kBoxY - y, y - (kBoxY + kBox - 1), 0});
    return std::clamp(1.0 - std::hypot(dx, dy) / width, 0.0, 1.0);
}

Rgb Mix(Rgb a, Rgb b, double w) {
    const auto m = [w](uint8_t p, uint8_t q) { return uint8_t(std::lround(p + (q - p) * w)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Rgb MeanAround(const RgbImage& stage, int x, int y, int radius) {
    int sum[3] = {0, 0, 0}, n = 0;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const Rgb c = Left(stage, x + dx, y + dy);
            sum[0] += c.r, sum[1] += c.g, sum[2] += c.b, ++n;
        }
    }
    return {uint8_t(sum[0] / n), uint8_t(sum[1] / n), uint8_t(sum[2] / n)};
}

struct BlendCase {
    const char* name;
    Edit edit;
    int reach; // how far past the square the edit may change pixels
    bool blends;
};

class BlendMeasure : public testing::TestWithParam<BlendCase> {};

TEST_P(BlendMeasure, TellsAnEditThatShowsFromOneThatBlends) {
    const BlendFigures f = MeasureBlend(Edited(GetParam().edit, GetParam().reach), kRect);
    EXPECT_GT(f.editPixels, 0);
    EXPECT_EQ(f.Blends(), GetParam().blends)
        << f.Describe() << " border " << f.borderLeft << "/" << f.borderRight << " detail " << f.detailLeft
        << "/" << f.detailRight;
}

INSTANTIATE_TEST_SUITE_P(
    Edits, BlendMeasure,
    testing::Values(
        // A flat square pasted on grain: a seam at its edge and no grain inside.
        BlendCase{"pasted_flat_square",
                  [](const RgbImage& s, int x, int y) {
                      return InBox(x, y) ? Rgb{200, 60, 60} : Left(s, x, y);
                  },
                  0, false},
        // The grain kept but the square much lighter, with a hard edge.
        BlendCase{"pasted_lighter_square",
                  [](const RgbImage& s, int x, int y) {
                      const Rgb c = Left(s, x, y);
                      return InBox(x, y) ? Mix(c, Rgb{255, 255, 255}, 0.5) : c;
                  },
                  0, false},
        // A smudge: the square's mean colour faded in, as a smooth inpainting leaves it.
        BlendCase{"smudge",
                  [](const RgbImage& s, int x, int y) {
                      return Mix(Left(s, x, y), MeanAround(s, x, y, 6), Fade(x, y, 8));
                  },
                  8, false},
        // Grain taken from elsewhere in the picture, faded in at its edge: what a patch fill does.
        BlendCase{"texture_from_elsewhere",
                  [](const RgbImage& s, int x, int y) {
                      return Mix(Left(s, x, y), Left(s, x + 90, y + 140), Fade(x, y, 6));
                  },
                  6, true},
        // The grain kept and the colour shifted, faded in: a recolour that keeps the texture.
        BlendCase{"faded_colour_shift",
                  [](const RgbImage& s, int x, int y) {
                      const Rgb c = Left(s, x, y);
                      const double w = Fade(x, y, 10);
                      const auto shift = [w](uint8_t v, int by) {
                          return uint8_t(std::clamp(int(std::lround(v + by * w)), 0, 255));
                      };
                      return Rgb{shift(c.r, -40), shift(c.g, 10), shift(c.b, 50)};
                  },
                  10, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct Degenerate {
    const char* name;
    RgbImage stage;
    MapRect rect;
};

class BlendOfNothing : public testing::TestWithParam<Degenerate> {};

// Nothing to measure (identical pictures, a wrong size, an empty or hostile rectangle): no edit, and
// nothing shows.
TEST_P(BlendOfNothing, HasNoEditAndBlends) {
    const BlendFigures f = MeasureBlend(GetParam().stage, GetParam().rect);
    EXPECT_EQ(f.editPixels, 0);
    EXPECT_TRUE(f.Blends());
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, BlendOfNothing,
    testing::Values(Degenerate{"identical", Stage(), kRect},
                    Degenerate{"not_640x480", RgbImage(320, 240), kRect},
                    Degenerate{"empty_rect", Stage(), {50, 50, 40, 40}},
                    Degenerate{"hostile_rect", Stage(), {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}},
                    Degenerate{"outside_left_picture", Stage(), {400, 100, 600, 300}}),
    [](const auto& info) { return std::string(info.param.name); });
} // namespace
