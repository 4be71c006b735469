#include "tools/packgen/PackStats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/packgen/JpegIo.h"
#include "tools/pairs/Verifier.h"

namespace {
using namespace pair_layout;

template <typename T> T Median(std::vector<T> values) {
    if (values.empty()) return T{};
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// Median delta E of the plainly differing pixels inside a rectangle of the stage picture.
float ColourDistanceIn(const RgbImage& stage, const MapRect& r) {
    std::vector<float> distances;
    for (int y = std::max(r.top, kTopY); y <= std::min(r.bottom, kTopY + kPictureHeight - 1); ++y) {
        for (int x = std::max(r.left, kLeftX); x <= std::min(r.right, kLeftX + kPictureWidth - 1); ++x) {
            const float d = DeltaE(ToLab(stage.At(x, y)), ToLab(stage.At(x + kRightOffset, y)));
            if (d >= fairness::kClearDeltaE) distances.push_back(d);
        }
    }
    return Median(std::move(distances));
}
} // namespace

double EdgeDensity(const RgbImage& stage) {
    std::vector<float> lightness(size_t(kPictureWidth) * kPictureHeight);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            lightness[size_t(y) * kPictureWidth + x] = ToLab(stage.At(kLeftX + x, kTopY + y)).l;
        }
    }
    auto at = [&](int x, int y) { return lightness[size_t(y) * kPictureWidth + x]; };
    int edges = 0;
    for (int y = 1; y + 1 < kPictureHeight; ++y) {
        for (int x = 1; x + 1 < kPictureWidth; ++x) {
            const float gx = (at(x + 1, y) - at(x - 1, y)) / 2, gy = (at(x, y + 1) - at(x, y - 1)) / 2;
            edges += gx * gx + gy * gy > pack_stats::kEdgeGradient * pack_stats::kEdgeGradient;
        }
    }
    return double(edges) / ((kPictureWidth - 2) * (kPictureHeight - 2));
}

PictureStats MeasurePair(const GeneratedPair& pair) {
    PictureStats stats;
    RgbImage stage;
    std::string error;
    if (!DecodeJpeg(pair.jpeg, kImageWidth, stage, error)) return stats;
    stats.edgeDensity = EdgeDensity(stage);
    stats.objects = pair.objects;
    const PairReport report = VerifyPair(stage, pair.map);
    for (int i = 0; i < kDifferences; ++i) {
        stats.differences[i] = {pair.kinds[i], report.rects[i].clearPixels,
                                ColourDistanceIn(stage, pair.map[i])};
    }
    return stats;
}

void PrintStats(std::ostream& out, const std::string& label, const std::vector<PictureStats>& pictures) {
    std::vector<double> edges;
    std::vector<int> objects, pixels;
    std::vector<float> distances;
    std::array<int, kDifferenceKinds> kinds{};
    for (const PictureStats& p : pictures) {
        edges.push_back(p.edgeDensity);
        objects.push_back(p.objects);
        for (const DifferenceStats& d : p.differences) {
            pixels.push_back(d.clearPixels);
            distances.push_back(d.colourDistance);
            ++kinds[size_t(d.kind)];
        }
    }
    char line[160];
    std::snprintf(line, sizeof line,
                  "%s: %zu pictures, edge density %.3f, objects %d (least %d), differing pixels %d, "
                  "colour distance %.1f dE\n",
                  label.c_str(), pictures.size(), Median(edges), Median(objects),
                  objects.empty() ? 0 : *std::min_element(objects.begin(), objects.end()), Median(pixels),
                  Median(distances));
    out << line << "  kinds:";
    for (int k = 0; k < kDifferenceKinds; ++k) {
        std::snprintf(line, sizeof line, " %s %.1f%%", std::string(KindName(DifferenceKind(k))).c_str(),
                      pixels.empty() ? 0.0 : 100.0 * kinds[k] / double(pixels.size()));
        out << line;
    }
    out << "\n";
}
