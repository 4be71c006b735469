#include "tools/pairs/PairDistance.h"

#include "tools/pairs/PairLayout.h"

namespace {
using namespace pair_layout;

template <typename Seen> float Distance(const RgbImage& stage, int x, int y, Seen seen) {
    const Rgb l = stage.At(kLeftX + x, kTopY + y);
    const Rgb r = stage.At(kLeftX + kRightOffset + x, kTopY + y);
    return l == r ? 0.0f : DeltaE(ToLab(seen(l)), ToLab(seen(r)));
}
} // namespace

std::vector<float> PlainDistances(const RgbImage& stage) {
    std::vector<float> out(size_t(kPictureWidth) * kPictureHeight, 0.0f);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x)
            out[size_t(y) * kPictureWidth + x] = Distance(stage, x, y, [](Rgb c) { return c; });
    }
    return out;
}

float ColourBlindDistance(const RgbImage& stage, int x, int y) {
    return Distance(stage, x, y, SimulateDeuteranopia);
}
