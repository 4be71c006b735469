#include "tools/pairs/PairDistance.h"

#include "tools/pairs/PairLayout.h"

namespace {
using namespace pair_layout;

template <typename Seen> std::vector<float> Distances(const RgbImage& stage, Seen seen) {
    std::vector<float> out(size_t(kPictureWidth) * kPictureHeight, 0.0f);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const Rgb l = stage.At(kLeftX + x, kTopY + y);
            const Rgb r = stage.At(kLeftX + kRightOffset + x, kTopY + y);
            if (l != r) out[size_t(y) * kPictureWidth + x] = DeltaE(ToLab(seen(l)), ToLab(seen(r)));
        }
    }
    return out;
}
} // namespace

std::vector<float> PlainDistances(const RgbImage& stage) {
    return Distances(stage, [](Rgb c) { return c; });
}

std::vector<float> ColourBlindDistances(const RgbImage& stage) {
    return Distances(stage, SimulateDeuteranopia);
}
