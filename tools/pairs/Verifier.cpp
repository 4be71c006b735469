#include "tools/pairs/Verifier.h"

#include <algorithm>
#include <sstream>

#include "tools/pairs/PairDistance.h"
#include "tools/pairs/Regions.h"

namespace {
using namespace pair_layout;

constexpr int kPixels = kPictureWidth * kPictureHeight;
constexpr int kCell = 8; // windows of 2x2 cells, overlapping by one cell
constexpr int kCellsX = (kPictureWidth + kCell - 1) / kCell;
constexpr int kCellsY = (kPictureHeight + kCell - 1) / kCell;

struct Box {
    int64_t x0, y0, x1, y1; // inclusive, picture coordinates; empty when x1 < x0 or y1 < y0
};

// Wide arithmetic: a hostile map may hold any 32-bit value.
Box ToPicture(const MapRect& r) {
    return {int64_t(r.left) - kLeftX, int64_t(r.top) - kTopY, int64_t(r.right) - kLeftX,
            int64_t(r.bottom) - kTopY};
}

Box ClampToPicture(Box b) {
    return {std::max<int64_t>(b.x0, 0), std::max<int64_t>(b.y0, 0),
            std::min<int64_t>(b.x1, kPictureWidth - 1), std::min<int64_t>(b.y1, kPictureHeight - 1)};
}

bool Intersects(const MapRect& a, const MapRect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

bool Inverted(const MapRect& r) {
    return r.right < r.left || r.bottom < r.top;
}

void CheckGeometry(PairReport& report) {
    for (size_t k = 0; k < report.rects.size(); ++k) {
        RectReport& rr = report.rects[k];
        const MapRect& r = rr.rect;
        if (Inverted(r)) {
            rr.problems.push_back("empty rectangle (right below left or bottom below top)");
            continue;
        }
        if (r.left < kLeftX || r.top < kTopY || r.right >= kLeftX + kPictureWidth ||
            r.bottom >= kTopY + kPictureHeight) {
            rr.problems.push_back("not inside the left picture");
        }
        // Capped so that the area of a hostile rectangle cannot overflow.
        const int64_t w = std::min<int64_t>(int64_t(r.right) - r.left + 1, kImageWidth);
        const int64_t h = std::min<int64_t>(int64_t(r.bottom) - r.top + 1, kImageHeight);
        if (w < fairness::kMinSide || h < fairness::kMinSide) rr.problems.push_back("smaller than 14x14");
        if (w * h > fairness::kMaxArea) rr.problems.push_back("larger than a quarter of the picture");
        for (size_t j = 0; j < report.rects.size(); ++j) {
            if (j != k && !Inverted(report.rects[j].rect) && Intersects(r, report.rects[j].rect)) {
                rr.problems.push_back("overlaps rectangle " + std::to_string(j + 1));
            }
        }
    }
}

// The colour-blind distance is needed inside the rectangles only, so it is worked out there alone.
void CheckInside(PairReport& report, const RgbImage& stage, const std::vector<float>& plain) {
    for (RectReport& rr : report.rects) {
        if (Inverted(rr.rect)) continue;
        const Box b = ClampToPicture(ToPicture(rr.rect));
        for (int64_t y = b.y0; y <= b.y1; ++y) {
            for (int64_t x = b.x0; x <= b.x1; ++x) {
                const int64_t i = y * kPictureWidth + x;
                rr.clearPixels += plain[i] >= fairness::kClearDeltaE;
                rr.clearPixelsColourBlind +=
                    ColourBlindDistance(stage, int(x), int(y)) >= fairness::kClearDeltaE;
            }
        }
        if (rr.clearPixels < fairness::kMinClearPixels) {
            rr.problems.push_back("no plain difference inside (" + std::to_string(rr.clearPixels) +
                                  " pixels)");
        } else if (rr.clearPixelsColourBlind < fairness::kMinClearPixels) {
            rr.problems.push_back("invisible to a red-green colour-blind player (" +
                                  std::to_string(rr.clearPixelsColourBlind) + " pixels)");
        }
    }
}

void CheckOutside(PairReport& report, const std::vector<float>& plain) {
    std::vector<bool> excluded(kPixels, false);
    for (const RectReport& rr : report.rects) {
        if (Inverted(rr.rect)) continue;
        Box b = ToPicture(rr.rect);
        b = ClampToPicture({b.x0 - fairness::kBlockMargin, b.y0 - fairness::kBlockMargin,
                            b.x1 + fairness::kBlockMargin, b.y1 + fairness::kBlockMargin});
        for (int64_t y = b.y0; y <= b.y1; ++y) {
            for (int64_t x = b.x0; x <= b.x1; ++x) excluded[y * kPictureWidth + x] = true;
        }
    }
    // Compression noise scatters; a real change clusters. Count plainly differing pixels per window.
    std::vector<int> strayInCell(kCellsX * kCellsY, 0);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const int i = y * kPictureWidth + x;
            if (excluded[i] || plain[i] <= fairness::kStrayDeltaE) continue;
            ++strayInCell[(y / kCell) * kCellsX + x / kCell];
        }
    }
    constexpr int kWindowsX = kCellsX - 1, kWindowsY = kCellsY - 1;
    std::vector<uint8_t> flagged(kWindowsX * kWindowsY, 0);
    for (int cy = 0; cy < kWindowsY; ++cy) {
        for (int cx = 0; cx < kWindowsX; ++cx) {
            const int count = strayInCell[cy * kCellsX + cx] + strayInCell[cy * kCellsX + cx + 1] +
                              strayInCell[(cy + 1) * kCellsX + cx] + strayInCell[(cy + 1) * kCellsX + cx + 1];
            report.worstWindow = std::max(report.worstWindow, count);
            if (count <= fairness::kMaxStrayPixels) continue;
            report.strayPixels += count;
            flagged[cy * kWindowsX + cx] = 1;
        }
    }
    // Windows that touch or overlap make one place; each place is outlined by the windows it covers.
    int places = 0;
    const std::vector<int> labels = LabelRegions(flagged, kWindowsX, kWindowsY, places);
    std::vector<CellBox> boxes(places);
    for (int w = 0; w < kWindowsX * kWindowsY; ++w) {
        if (labels[w] != kNoRegion) boxes[labels[w]].Add(w % kWindowsX, w / kWindowsX);
    }
    for (const CellBox& b : boxes) {
        report.strayRects.push_back({b.x0 * kCell + kLeftX, b.y0 * kCell + kTopY,
                                     std::min((b.x1 + 2) * kCell, kPictureWidth) - 1 + kLeftX,
                                     std::min((b.y1 + 2) * kCell, kPictureHeight) - 1 + kTopY});
    }
}

std::string Describe(const MapRect& r) {
    std::ostringstream s;
    s << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
    return s.str();
}
} // namespace

bool PairReport::Ok() const {
    return OutsideOk() && std::all_of(rects.begin(), rects.end(), [](const RectReport& r) { return r.Ok(); });
}

std::string PairReport::Summary() const {
    std::ostringstream s;
    for (size_t k = 0; k < rects.size(); ++k) {
        const RectReport& r = rects[k];
        s << "  rect " << k + 1 << " " << Describe(r.rect) << ": ";
        if (r.Ok()) {
            s << "ok (" << r.clearPixels << " pixels differ, " << r.clearPixelsColourBlind
              << " colour-blind)";
        } else {
            for (size_t i = 0; i < r.problems.size(); ++i) s << (i ? "; " : "") << r.problems[i];
        }
        s << "\n";
    }
    s << "  outside: ";
    if (OutsideOk()) {
        s << "ok";
    } else {
        s << strayPixels << " pixels differ outside every rectangle, within";
        for (size_t i = 0; i < strayRects.size(); ++i) s << (i ? ", " : " ") << Describe(strayRects[i]);
    }
    s << "\n";
    return s.str();
}

PairReport VerifyPair(const RgbImage& stage, const DifferenceMap& map) {
    PairReport report;
    for (size_t k = 0; k < map.size(); ++k) report.rects[k].rect = map[k];
    if (stage.width != kImageWidth || stage.height != kImageHeight) {
        for (RectReport& r : report.rects) r.problems.push_back("the picture is not 640x480");
        return report;
    }
    CheckGeometry(report);
    const std::vector<float> plain = PlainDistances(stage);
    CheckInside(report, stage, plain);
    CheckOutside(report, plain);
    return report;
}
