#pragma once
#include <array>
#include <string>
#include <vector>

#include "tools/pairs/PairMap.h"
#include "tools/pairs/RgbImage.h"

// Fairness thresholds, tuned so that a player sees every difference and nothing else differs.
namespace fairness {
constexpr int kMinSide = 14; // a rectangle narrower or lower than this is too small to click
constexpr int kMaxArea = pair_layout::kPictureWidth * pair_layout::kPictureHeight / 4;
constexpr int kBlockMargin = 8;       // one JPEG block around each rectangle is left out of the outside test
constexpr float kClearDeltaE = 25.0f; // a pixel that changed this much is plainly different
constexpr int kMinClearPixels = 60;   // a difference needs at least this many such pixels
constexpr float kStrayDeltaE = 20.0f; // outside the rectangles, a pixel that differs more is noticeable
constexpr int kMaxStrayPixels = 12;   // compression noise leaves at most this many in any 16x16 window
} // namespace fairness

struct RectReport {
    MapRect rect;
    int clearPixels = 0;            // pixels that plainly differ between the two pictures
    int clearPixelsColourBlind = 0; // the same count as a deuteranope sees the pictures
    std::vector<std::string> problems;
    bool Ok() const { return problems.empty(); }
};

struct PairReport {
    std::array<RectReport, pair_layout::kDifferences> rects;
    int strayPixels = 0; // noticeably differing pixels in windows outside the rectangles that hold too many
    int worstWindow = 0; // the most such pixels in any 16x16 window outside the rectangles
    std::vector<MapRect> strayRects; // where they lie, one rectangle per place (stage picture coordinates)
    bool OutsideOk() const { return strayPixels == 0; }
    bool Ok() const;
    std::string Summary() const; // one line per rectangle, then the outside verdict
};

// Checks a decoded 640x480 stage picture against its map: the two pictures agree outside the rectangles,
// each rectangle holds a plain difference that a red-green colour-blind player sees too, and the
// rectangles lie inside the left picture without overlapping, neither tiny nor huge.
PairReport VerifyPair(const RgbImage& stage, const DifferenceMap& map);
