#pragma once
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "tools/packgen/DifferenceMaker.h"
#include "tools/packgen/PairGenerator.h"
#include "tools/pairs/RgbImage.h"

// Figures that tell how much there is to search in a pair and how hard its differences are.
namespace pack_stats {
constexpr float kEdgeGradient = 8.0f; // CIELAB lightness change per pixel that counts as an edge
} // namespace pack_stats

// Share of the left picture's pixels where the CIELAB lightness gradient (central differences) exceeds
// kEdgeGradient: about 0.1 for a plain cartoon, more for a busy one.
double EdgeDensity(const RgbImage& stage);

struct DifferenceStats {
    DifferenceKind kind = DifferenceKind::Removal;
    int clearPixels = 0;        // pixels that plainly differ (as the verifier counts them)
    float colourDistance = 0.0; // median delta E of those pixels
};

struct PictureStats {
    double edgeDensity = 0;
    int objects = 0; // objects shown in the left picture
    std::array<DifferenceStats, pair_layout::kDifferences> differences{};
};

// Measures a generated pair on its decoded picture.
PictureStats MeasurePair(const GeneratedPair& pair);

// One line of medians and kind shares over the pictures: "LABEL: edges 0.162, objects 31 (least 27), ...".
void PrintStats(std::ostream& out, const std::string& label, const std::vector<PictureStats>& pictures);
