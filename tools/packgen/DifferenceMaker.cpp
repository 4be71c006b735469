#include "tools/packgen/DifferenceMaker.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "tools/packgen/KindTable.h"
#include "tools/packgen/Renderer.h"
#include "tools/pairs/Verifier.h"

namespace {
using namespace pair_layout;

enum class Change { Remove, Add, Recolour, Resize, Move, Mirror, Detail, Count };

constexpr int kLevels = kMaxDifficulty;
// How often each change is tried, by difficulty (rows) and change (columns, in the order of Change).
constexpr int kWeights[kLevels][int(Change::Count)] = {
    {4, 3, 4, 2, 1, 1, 1}, {3, 2, 4, 2, 2, 1, 2}, {2, 2, 3, 2, 2, 2, 3},
    {1, 1, 3, 2, 2, 2, 4}, {1, 1, 2, 1, 2, 3, 5},
};
// Plainly different pixels a difference must have (as a red-green colour-blind player sees them too),
// at least and at most, by difficulty.
constexpr int kMinClear[kLevels] = {700, 450, 260, 160, 110};
constexpr int kMaxClear[kLevels] = {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 4000,
                                    2200, 1200};
// Least colour distance of a recolouring, by difficulty.
constexpr float kMinColourDistance[kLevels] = {70, 60, 50, 42, 36};
constexpr int kMargin = 3;       // pixels around the changed area
constexpr int kMinRectSide = 16; // a little above the smallest fair side
constexpr int kGap = 2;          // pixels kept free between two rectangles
constexpr int kCandidates = 80;  // changes tried before the scene is given up

struct PixelBox {
    int x0, y0, x1, y1;
};

Change PickChange(int level, Rng& rng) {
    int total = 0;
    for (int w : kWeights[level]) total += w;
    int roll = rng.Int(0, total - 1);
    for (int c = 0; c < int(Change::Count); ++c) {
        roll -= kWeights[level][c];
        if (roll < 0) return Change(c);
    }
    return Change::Recolour;
}

float ColourDistance(Rgb a, Rgb b) {
    return std::min(DeltaE(ToLab(a), ToLab(b)),
                    DeltaE(ToLab(SimulateDeuteranopia(a)), ToLab(SimulateDeuteranopia(b))));
}

bool Recolour(SceneObject& o, int level, Rng& rng) {
    std::vector<Rgb> choices;
    for (Rgb c : ChangeColours()) {
        if (ColourDistance(c, o.colours[0]) >= kMinColourDistance[level]) choices.push_back(c);
    }
    if (choices.empty()) return false;
    o.colours[0] = rng.Pick(choices);
    return true;
}

// Applies one change to the object; false when it cannot take that change.
bool Apply(Change change, SceneObject& o, int level, Rng& rng) {
    const KindInfo& info = InfoOf(o.kind);
    switch (change) {
    case Change::Remove:
        o.visible = false;
        return true;
    case Change::Add:
        o.visible = true;
        return true;
    case Change::Recolour:
        return Recolour(o, level, rng);
    case Change::Resize:
        o.size *= rng.Chance(0.5) ? 1.45 - 0.05 * level : 0.62 + 0.05 * level;
        return true;
    case Change::Move: {
        const double step = std::max(12.0, info.width * o.size * (0.8 - 0.1 * level));
        o.x += (o.x + step < kPictureWidth - 10 && (rng.Chance(0.5) || o.x - step < 10)) ? step : -step;
        return true;
    }
    case Change::Mirror:
        if (!info.asymmetric) return false;
        o.mirrored = !o.mirrored;
        return true;
    case Change::Detail:
        if (info.detailBits == 0) return false;
        o.details ^= 1u << rng.Int(0, info.detailBits - 1);
        return true;
    default:
        return false;
    }
}

// Where two renderings differ, and how many pixels differ plainly for every viewer.
std::optional<PixelBox> ChangedBox(const RgbImage& a, const RgbImage& b, int& clearPixels) {
    PixelBox box{kPictureWidth, kPictureHeight, -1, -1};
    clearPixels = 0;
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            const Rgb p = a.At(x, y), q = b.At(x, y);
            if (p == q) continue;
            box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x), std::max(box.y1, y)};
            clearPixels += ColourDistance(p, q) >= fairness::kClearDeltaE;
        }
    }
    if (box.x1 < 0) return std::nullopt;
    return box;
}

// The changed area plus the margin, at least the smallest side, inside the picture.
PixelBox FrameChange(PixelBox b) {
    b = {b.x0 - kMargin, b.y0 - kMargin, b.x1 + kMargin, b.y1 + kMargin};
    auto widen = [](int& lo, int& hi, int limit) {
        while (hi - lo + 1 < kMinRectSide) {
            if (lo > 0) --lo;
            if (hi - lo + 1 < kMinRectSide && hi < limit - 1) ++hi;
        }
        lo = std::max(lo, 0);
        hi = std::min(hi, limit - 1);
    };
    widen(b.x0, b.x1, kPictureWidth);
    widen(b.y0, b.y1, kPictureHeight);
    return b;
}

bool Apart(const PixelBox& a, const PixelBox& b) {
    return a.x1 + kGap < b.x0 || b.x1 + kGap < a.x0 || a.y1 + kGap < b.y0 || b.y1 + kGap < a.y0;
}

std::vector<size_t> Candidates(const Scene& scene, Change change, const std::vector<bool>& used) {
    std::vector<size_t> indexes;
    for (size_t i = 0; i < scene.objects.size(); ++i) {
        if (!used[i] && scene.objects[i].visible == (change != Change::Add)) indexes.push_back(i);
    }
    return indexes;
}
} // namespace

bool MakeDifferences(const Scene& scene, int difficulty, Rng& rng, PairPlan& plan) {
    const int level = std::clamp(difficulty, kMinDifficulty, kMaxDifficulty) - 1;
    plan.left = scene;
    plan.right = scene;
    const RgbImage base = RenderPicture(scene);
    std::vector<bool> used(scene.objects.size(), false);
    std::vector<PixelBox> taken;
    for (int attempt = 0; attempt < kCandidates && taken.size() < kDifferences; ++attempt) {
        const Change change = PickChange(level, rng);
        const std::vector<size_t> indexes = Candidates(scene, change, used);
        if (indexes.empty()) continue;
        const size_t index = rng.Pick(indexes);
        Scene trial = scene;
        if (!Apply(change, trial.objects[index], level, rng)) continue;
        int clear = 0;
        const std::optional<PixelBox> changed = ChangedBox(base, RenderPicture(trial), clear);
        if (!changed || clear < kMinClear[level] || clear > kMaxClear[level]) continue;
        const PixelBox rect = FrameChange(*changed);
        const int64_t area = int64_t(rect.x1 - rect.x0 + 1) * (rect.y1 - rect.y0 + 1);
        if (area > fairness::kMaxArea) continue;
        if (!std::all_of(taken.begin(), taken.end(), [&](const PixelBox& t) { return Apart(t, rect); }))
            continue;
        used[index] = true;
        plan.right.objects[index] = trial.objects[index];
        plan.map[taken.size()] = {rect.x0 + kLeftX, rect.y0 + kTopY, rect.x1 + kLeftX, rect.y1 + kTopY};
        taken.push_back(rect);
    }
    return taken.size() == kDifferences;
}
