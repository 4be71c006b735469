#pragma once
#include <array>
#include <string>

#include "tools/pairs/PairMap.h"
#include "tools/pairs/RgbImage.h"

// How well an edit blends into the photo, judged from the pair alone, so that the generator's verdict
// and an author's check agree. The edit is the part of the rectangle where the right picture differs
// from the left beyond compression noise. A change that blends has, across that part's border, about as
// much gradient in the right picture as the left has there (a pasted edge adds a seam), and inside it
// about as much fine detail (a smudge loses it).
namespace blending {
constexpr float kEditDeltaE = 3.0f;    // a pixel this far from its twin, also after a 3x3 mean, is edited
constexpr float kGradientFloor = 2.0f; // Lab units a pixel: flat sky is compared with this much grain
constexpr float kDetailFloor = 1.0f;   // L* units: the same for fine detail
constexpr float kTolerance = 0.3f;     // a figure within 30 % of the left picture's blends
} // namespace blending

struct BlendFigures {
    int editPixels = 0;                    // pixels of the edit; 0 when nothing differs
    float borderLeft = 0, borderRight = 0; // mean gradient across the edit's border, each picture
    float detailLeft = 0, detailRight = 0; // mean fine detail inside the edit, each picture
    // The right picture's figure over the left's, each with its floor added.
    float BorderRatio() const;
    float DetailRatio() const;
    bool Blends() const;          // both ratios within the tolerance of 1 (an empty edit blends)
    std::string Describe() const; // "border 1.05, detail 0.93: blends"
};

// The figures of one rectangle of a decoded 640x480 stage picture (a rectangle outside the left picture
// is clamped to it); all zero when the stage picture is not 640x480 or the rectangle is empty.
BlendFigures MeasureBlend(const RgbImage& stage, const MapRect& rect);
std::array<BlendFigures, pair_layout::kDifferences> MeasurePairBlend(const RgbImage& stage,
                                                                     const DifferenceMap& map);
