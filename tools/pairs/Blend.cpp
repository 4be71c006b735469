#include "tools/pairs/Blend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
using namespace pair_layout;

// The border band: pixels this near both the edit and the rest, so that it straddles a seam.
constexpr int kReach = 1;

// Lab values of one picture over a box, with a one-pixel frame for the neighbourhood sums.
struct LabPatch {
    int x0 = 0, y0 = 0, width = 0, height = 0;
    std::vector<Lab> lab;
    const Lab& At(int x, int y) const { return lab[size_t(y - y0) * width + (x - x0)]; }
};

LabPatch ReadPatch(const RgbImage& stage, int offsetX, int x0, int y0, int x1, int y1) {
    LabPatch p{x0, y0, x1 - x0 + 1, y1 - y0 + 1, {}};
    p.lab.reserve(size_t(p.width) * p.height);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) p.lab.push_back(ToLab(stage.At(kLeftX + offsetX + x, kTopY + y)));
    return p;
}

Lab Mean3x3(const LabPatch& p, int x, int y) {
    Lab sum;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const Lab& v = p.At(x + dx, y + dy);
            sum.l += v.l, sum.a += v.a, sum.b += v.b;
        }
    }
    return {sum.l / 9, sum.a / 9, sum.b / 9};
}

// Central-difference gradient of all three Lab channels.
float Gradient(const LabPatch& p, int x, int y) {
    const Lab &l = p.At(x - 1, y), &r = p.At(x + 1, y), &u = p.At(x, y - 1), &d = p.At(x, y + 1);
    const float gx = DeltaE(l, r) / 2, gy = DeltaE(u, d) / 2;
    return std::sqrt(gx * gx + gy * gy);
}

// Fine detail: how far the lightness strays from its 3x3 mean.
float Detail(const LabPatch& p, int x, int y) {
    return std::fabs(p.At(x, y).l - Mean3x3(p, x, y).l);
}

float Ratio(float right, float left, float floor) {
    return (right + floor) / (left + floor);
}
} // namespace

float BlendFigures::BorderRatio() const {
    return Ratio(borderRight, borderLeft, blending::kGradientFloor);
}

float BlendFigures::DetailRatio() const {
    return Ratio(detailRight, detailLeft, blending::kDetailFloor);
}

bool BlendFigures::Blends() const {
    const auto within = [](float ratio) { return std::fabs(ratio - 1.0f) <= blending::kTolerance; };
    return editPixels == 0 || (within(BorderRatio()) && within(DetailRatio()));
}

std::string BlendFigures::Describe() const {
    char text[96];
    std::snprintf(text, sizeof text, "border %.2f, detail %.2f: %s", BorderRatio(), DetailRatio(),
                  Blends() ? "blends" : "shows");
    return text;
}

BlendFigures MeasureBlend(const RgbImage& stage, const MapRect& rect) {
    BlendFigures f;
    if (stage.width != kImageWidth || stage.height != kImageHeight || rect.right < rect.left ||
        rect.bottom < rect.top)
        return f;
    // The rectangle in picture coordinates, clamped; the patch adds the reach and the frame.
    const int pad = kReach + 2;
    const int rx0 = int(std::clamp<int64_t>(int64_t(rect.left) - kLeftX, 0, kPictureWidth - 1));
    const int ry0 = int(std::clamp<int64_t>(int64_t(rect.top) - kTopY, 0, kPictureHeight - 1));
    const int rx1 = int(std::clamp<int64_t>(int64_t(rect.right) - kLeftX, rx0, kPictureWidth - 1));
    const int ry1 = int(std::clamp<int64_t>(int64_t(rect.bottom) - kTopY, ry0, kPictureHeight - 1));
    const int x0 = std::max(rx0 - pad, 0), y0 = std::max(ry0 - pad, 0);
    const int x1 = std::min(rx1 + pad, kPictureWidth - 1), y1 = std::min(ry1 + pad, kPictureHeight - 1);
    const LabPatch left = ReadPatch(stage, 0, x0, y0, x1, y1);
    const LabPatch right = ReadPatch(stage, kRightOffset, x0, y0, x1, y1);
    // The edit inside the rectangle: pixels whose smoothed colours differ (so that scattered compression
    // noise is no edit), and whose own colours do too (so that the edit does not spread past a seam).
    const int w = x1 - x0 + 1, h = y1 - y0 + 1;
    std::vector<uint8_t> edit(size_t(w) * h, 0);
    const auto inEdit = [&](int x, int y) {
        return x >= x0 && x <= x1 && y >= y0 && y <= y1 && edit[size_t(y - y0) * w + (x - x0)];
    };
    for (int y = std::max(ry0, y0 + 1); y <= std::min(ry1, y1 - 1); ++y) {
        for (int x = std::max(rx0, x0 + 1); x <= std::min(rx1, x1 - 1); ++x) {
            const bool differs = DeltaE(left.At(x, y), right.At(x, y)) >= blending::kEditDeltaE &&
                                 DeltaE(Mean3x3(left, x, y), Mean3x3(right, x, y)) >= blending::kEditDeltaE;
            edit[size_t(y - y0) * w + (x - x0)] = differs;
            f.editPixels += differs;
        }
    }
    if (f.editPixels == 0) return f;
    // The border band: pixels within the reach of both an edit pixel and a pixel outside the edit.
    double border[2] = {0, 0}, detail[2] = {0, 0};
    int borderPixels = 0, insidePixels = 0;
    for (int y = y0 + 1; y < y1; ++y) {
        for (int x = x0 + 1; x < x1; ++x) {
            bool nearEdit = false, nearOutside = false;
            for (int dy = -kReach; dy <= kReach; ++dy) {
                for (int dx = -kReach; dx <= kReach; ++dx) {
                    const bool e = inEdit(x + dx, y + dy);
                    nearEdit |= e, nearOutside |= !e;
                }
            }
            if (nearEdit && nearOutside) {
                border[0] += Gradient(left, x, y), border[1] += Gradient(right, x, y);
                ++borderPixels;
            } else if (nearEdit) {
                detail[0] += Detail(left, x, y), detail[1] += Detail(right, x, y);
                ++insidePixels;
            }
        }
    }
    if (borderPixels > 0) {
        f.borderLeft = float(border[0] / borderPixels), f.borderRight = float(border[1] / borderPixels);
    }
    if (insidePixels > 0) {
        f.detailLeft = float(detail[0] / insidePixels), f.detailRight = float(detail[1] / insidePixels);
    }
    return f;
}

std::array<BlendFigures, kDifferences> MeasurePairBlend(const RgbImage& stage, const DifferenceMap& map) {
    std::array<BlendFigures, kDifferences> figures;
    for (size_t k = 0; k < map.size(); ++k) figures[k] = MeasureBlend(stage, map[k]);
    return figures;
}
