#include "tools/pairs/DifferenceFinder.h"

#include <algorithm>

#include "tools/pairs/PairDistance.h"
#include "tools/pairs/Regions.h"
#include "tools/pairs/Verifier.h"

namespace {
using namespace pair_layout;
using namespace finding;

constexpr int kPixels = kPictureWidth * kPictureHeight;
constexpr int kMaxPlaces = 40;

bool IsStage(const RgbImage& stage) {
    return stage.width == kImageWidth && stage.height == kImageHeight &&
           stage.pixels.size() == size_t(kImageWidth) * kImageHeight * 3;
}

// Sums of a byte grid over the square of the given radius around each cell, by two running-sum passes.
std::vector<int> BoxSums(const std::vector<uint8_t>& grid, int radius) {
    std::vector<int> rows(kPixels, 0), out(kPixels, 0);
    for (int y = 0; y < kPictureHeight; ++y) {
        int sum = 0;
        for (int x = -radius; x < kPictureWidth; ++x) {
            if (x + radius < kPictureWidth) sum += grid[y * kPictureWidth + x + radius];
            if (x - radius - 1 >= 0) sum -= grid[y * kPictureWidth + x - radius - 1];
            if (x >= 0) rows[y * kPictureWidth + x] = sum;
        }
    }
    for (int x = 0; x < kPictureWidth; ++x) {
        int sum = 0;
        for (int y = -radius; y < kPictureHeight; ++y) {
            if (y + radius < kPictureHeight) sum += rows[(y + radius) * kPictureWidth + x];
            if (y - radius - 1 >= 0) sum -= rows[(y - radius - 1) * kPictureWidth + x];
            if (y >= 0) out[y * kPictureWidth + x] = sum;
        }
    }
    return out;
}

std::vector<uint8_t> DifferingPixels(const std::vector<float>& distance) {
    std::vector<uint8_t> candidate(kPixels, 0);
    for (int i = 0; i < kPixels; ++i) candidate[i] = distance[i] >= kDiffersDeltaE;
    int groups = 0;
    const std::vector<int> labels = LabelRegions(candidate, kPictureWidth, kPictureHeight, groups);
    std::vector<int> size(groups, 0);
    for (int label : labels) {
        if (label != kNoRegion) ++size[label];
    }
    std::vector<uint8_t> differs(kPixels, 0);
    for (int i = 0; i < kPixels; ++i) differs[i] = labels[i] != kNoRegion && size[labels[i]] >= kGroupPixels;
    return differs;
}

struct Place {
    CellBox box;   // the differing pixels, picture coordinates
    int clear = 0; // plainly differing pixels among them
};

// Differing pixels within the join gap of each other form one place.
std::vector<Place> FindPlaces(const std::vector<uint8_t>& differs, const std::vector<float>& distance) {
    const std::vector<int> near = BoxSums(differs, kJoinGap / 2);
    std::vector<uint8_t> joined(kPixels, 0);
    for (int i = 0; i < kPixels; ++i) joined[i] = near[i] > 0;
    int count = 0;
    const std::vector<int> labels = LabelRegions(joined, kPictureWidth, kPictureHeight, count);
    std::vector<Place> places(count);
    for (int i = 0; i < kPixels; ++i) {
        if (!differs[i]) continue;
        Place& p = places[labels[i]];
        p.box.Add(i % kPictureWidth, i / kPictureWidth);
        p.clear += distance[i] >= fairness::kClearDeltaE;
    }
    std::erase_if(places, [](const Place& p) { return p.box.Empty() || p.clear < kMinClearPixels; });
    // Joining compares every two places; a picture changed all over keeps only its plainest places.
    std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) { return a.clear > b.clear; });
    if (places.size() > size_t(kMaxPlaces)) places.resize(kMaxPlaces);
    return places;
}

int64_t Area(const CellBox& b) {
    return int64_t(b.x1 - b.x0 + 1) * (b.y1 - b.y0 + 1);
}

bool Overlap(const CellBox& a, const CellBox& b) {
    return a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

// The area a joined box adds beyond its two parts: parts of one object (an object moved by less than
// its width leaves two pieces side by side) cost little, two separate differences far more.
int64_t JoinCost(const CellBox& a, const CellBox& b) {
    CellBox joined = a;
    joined.Add(b);
    return Area(joined) - Area(a) - Area(b);
}

// Joins the two places that cost least while there are more than five or two places' boxes overlap.
void JoinPlaces(std::vector<Place>& places) {
    for (;;) {
        size_t bestA = 0, bestB = 0;
        int64_t best = 0;
        bool found = false;
        for (size_t a = 0; a < places.size(); ++a) {
            for (size_t b = a + 1; b < places.size(); ++b) {
                const bool must = Overlap(places[a].box, places[b].box);
                if (!must && places.size() <= size_t(kDifferences)) continue;
                const int64_t cost = must ? -1 : JoinCost(places[a].box, places[b].box);
                if (!found || cost < best) best = cost, bestA = a, bestB = b, found = true;
            }
        }
        if (!found) return;
        places[bestA].box.Add(places[bestB].box);
        places[bestA].clear += places[bestB].clear;
        places.erase(places.begin() + std::ptrdiff_t(bestB));
    }
}

// The place's box with the margin, at least the smallest fair side, inside the picture.
CellBox Framed(const CellBox& b) {
    CellBox f{b.x0 - kMargin, b.y0 - kMargin, b.x1 + kMargin, b.y1 + kMargin};
    auto widen = [](int& lo, int& hi, int limit) {
        while (hi - lo + 1 < fairness::kMinSide) --lo, ++hi;
        if (lo < 0) hi -= lo, lo = 0;
        if (hi >= limit) lo -= hi - limit + 1, hi = limit - 1;
        lo = std::max(lo, 0);
    };
    widen(f.x0, f.x1, kPictureWidth);
    widen(f.y0, f.y1, kPictureHeight);
    return f;
}

// Two framed boxes that overlap give up their margins where they meet: the edge goes midway between
// the places, on the axis where they lie apart.
void SeparateFrames(const CellBox& a, const CellBox& b, CellBox& fa, CellBox& fb) {
    if (!Overlap(fa, fb)) return;
    auto split = [](int aHi, int bLo, int& faHi, int& fbLo) {
        const int mid = (aHi + bLo) / 2;
        faHi = std::min(faHi, mid);
        fbLo = std::max(fbLo, mid + 1);
    };
    if (a.x1 < b.x0) {
        split(a.x1, b.x0, fa.x1, fb.x0);
    } else if (b.x1 < a.x0) {
        split(b.x1, a.x0, fb.x1, fa.x0);
    } else if (a.y1 < b.y0) {
        split(a.y1, b.y0, fa.y1, fb.y0);
    } else if (b.y1 < a.y0) {
        split(b.y1, a.y0, fb.y1, fa.y0);
    }
}
} // namespace

std::vector<uint8_t> FindDifferingPixels(const RgbImage& stage) {
    if (!IsStage(stage)) return {};
    return DifferingPixels(PlainDistances(stage));
}

std::vector<MapRect> SuggestRectangles(const RgbImage& stage) {
    if (!IsStage(stage)) return {};
    const std::vector<float> distance = PlainDistances(stage);
    std::vector<Place> places = FindPlaces(DifferingPixels(distance), distance);
    JoinPlaces(places);
    std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) { return a.clear > b.clear; });
    std::vector<CellBox> frames;
    for (const Place& p : places) frames.push_back(Framed(p.box));
    for (size_t a = 0; a < places.size(); ++a) {
        for (size_t b = a + 1; b < places.size(); ++b)
            SeparateFrames(places[a].box, places[b].box, frames[a], frames[b]);
    }
    std::vector<MapRect> rects;
    for (const CellBox& f : frames)
        rects.push_back({f.x0 + kLeftX, f.y0 + kTopY, f.x1 + kLeftX, f.y1 + kTopY});
    return rects;
}

double IntersectionOverUnion(const MapRect& a, const MapRect& b) {
    const int64_t w = std::min<int64_t>(a.right, b.right) - std::max<int64_t>(a.left, b.left) + 1;
    const int64_t h = std::min<int64_t>(a.bottom, b.bottom) - std::max<int64_t>(a.top, b.top) + 1;
    if (w <= 0 || h <= 0) return 0.0;
    auto area = [](const MapRect& r) {
        return (int64_t(r.right) - r.left + 1) * (int64_t(r.bottom) - r.top + 1);
    };
    const int64_t both = w * h;
    return double(both) / double(area(a) + area(b) - both);
}
