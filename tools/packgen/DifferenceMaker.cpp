#include "tools/packgen/DifferenceMaker.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "tools/packgen/ArtKit.h"
#include "tools/packgen/ChangeRenderer.h"
#include "tools/packgen/KindTable.h"
#include "tools/pairs/Verifier.h"

namespace {
using namespace pair_layout;

constexpr int kLevels = kMaxDifficulty;
// How often each kind is tried, by difficulty (rows) and kind (columns, in the order of DifferenceKind).
// Hard levels favour the kinds that can stay small: parts, counts, words, patterns and near colours.
constexpr int kWeights[kLevels][kDifferenceKinds] = {
    {4, 3, 3, 3, 3, 1, 3, 3, 4, 4}, {3, 3, 3, 3, 3, 3, 3, 4, 6, 6}, {2, 2, 2, 2, 3, 4, 2, 4, 7, 7},
    {2, 2, 2, 2, 3, 4, 2, 3, 7, 7}, {1, 1, 6, 1, 2, 3, 2, 3, 1, 4},
};
// Plainly different pixels a difference must have (as a red-green colour-blind player sees them too),
// at least and at most, by difficulty.
constexpr int kMinClear[kLevels] = {700, 420, 220, 130, 78};
constexpr int kMaxClear[kLevels] = {std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 3000,
                                    900, 180};
// The most the median plainly differing pixel may change (delta E), by difficulty: hard levels keep
// to near colours.
constexpr float kMaxMedianDeltaE[kLevels] = {1000, 1000, 1000, 60, 40};
// Colour distance of a recolouring, at least and at most, by difficulty.
constexpr float kMinColourDistance[kLevels] = {70, 60, 48, 36, 27};
constexpr float kMaxColourDistance[kLevels] = {1000, 1000, 1000, 70, 34};
constexpr double kShades[] = {0.55, 0.65, 0.75, 1.3, 1.45, 1.6};
constexpr int kMargin = 3;         // pixels around the changed area
constexpr int kMinRectSide = 16;   // a little above the smallest fair side
constexpr int kGap = 2;            // pixels kept free between two rectangles
constexpr int kCandidates = 200;   // changes tried (each a rendering) before the scene is given up
constexpr int kObjectsPerKind = 6; // objects a kind is tried on before another kind is picked
constexpr int kRepeatDamping = 12; // a kind the pair has once is a quarter as likely, twice a seventh

// A kind by the level's weights, made less likely for each time the pair already has it, so that a pair
// mixes its kinds; recolouring, which changes any of three colours, stays as likely.
DifferenceKind PickChange(int level, const std::array<int, kDifferenceKinds>& had, Rng& rng) {
    std::array<int, kDifferenceKinds> weights{};
    int total = 0;
    for (int c = 0; c < kDifferenceKinds; ++c) {
        const int repeats = DifferenceKind(c) == DifferenceKind::Recolour ? 0 : had[c];
        weights[c] = kWeights[level][c] * kRepeatDamping / (1 + (kRepeatDamping / 4) * repeats);
        total += weights[c];
    }
    int roll = rng.Int(0, total - 1);
    for (int c = 0; c < kDifferenceKinds; ++c) {
        roll -= weights[c];
        if (roll < 0) return DifferenceKind(c);
    }
    return DifferenceKind::Recolour;
}

float ColourDistance(Rgb a, Rgb b) {
    return std::min(DeltaE(ToLab(a), ToLab(b)),
                    DeltaE(ToLab(SimulateDeuteranopia(a)), ToLab(SimulateDeuteranopia(b))));
}

// Recolours the main colour, or on harder levels sometimes the second or accent colour: a vivid colour
// or a lighter or darker shade, as far from the old one as the level asks.
bool Recolour(SceneObject& o, int level, Rng& rng) {
    const int channel = level >= 2 && rng.Chance(0.4) ? rng.Int(1, 2) : 0;
    std::vector<Rgb> choices;
    auto consider = [&](Rgb c) {
        const float d = ColourDistance(c, o.colours[channel]);
        if (d >= kMinColourDistance[level] && d <= kMaxColourDistance[level]) choices.push_back(c);
    };
    for (Rgb c : ChangeColours()) consider(c);
    for (double f : kShades) consider(Shade(o.colours[channel], f));
    if (choices.empty()) return false;
    o.colours[channel] = rng.Pick(choices);
    return true;
}

int OtherValue(int value, int lo, int hi, Rng& rng) {
    const int other = rng.Int(lo, hi - 1);
    return other >= value ? other + 1 : other;
}

// Whether the object can take that kind of change at all.
bool Applicable(DifferenceKind change, const SceneObject& o) {
    const KindInfo& info = InfoOf(o.kind);
    if (o.visible != (change != DifferenceKind::Addition)) return false;
    switch (change) {
    case DifferenceKind::Shape:
        return info.features.shapes > 1;
    case DifferenceKind::Part:
        return info.detailBits > 0;
    case DifferenceKind::Pattern:
        return info.features.patterns > 1;
    case DifferenceKind::Count:
        return info.features.maxCount > info.features.minCount;
    case DifferenceKind::Text:
        return info.features.labelled;
    default:
        return true;
    }
}

// Applies one change to the object; false when it cannot take that change.
bool Apply(DifferenceKind change, SceneObject& o, int level, Rng& rng) {
    const KindInfo& info = InfoOf(o.kind);
    const Features& f = info.features;
    switch (change) {
    case DifferenceKind::Removal:
        o.visible = false;
        return true;
    case DifferenceKind::Addition:
        o.visible = true;
        return true;
    case DifferenceKind::Recolour:
        return Recolour(o, level, rng);
    case DifferenceKind::Size:
        o.size *= rng.Chance(0.5) ? 1.45 - 0.07 * level : 0.62 + 0.05 * level;
        return true;
    case DifferenceKind::Shape:
        o.variant += rng.Int(1, f.shapes - 1);
        return true;
    case DifferenceKind::Part:
        o.details ^= 1u << rng.Int(0, info.detailBits - 1);
        return true;
    case DifferenceKind::Move: {
        if (info.asymmetric && rng.Chance(0.4)) {
            o.mirrored = !o.mirrored;
            return true;
        }
        const double step = std::max(6.0, info.width * o.size * (0.8 - 0.15 * level));
        o.x += (o.x + step < kPictureWidth - 10 && (rng.Chance(0.5) || o.x - step < 10)) ? step : -step;
        return true;
    }
    case DifferenceKind::Pattern:
        o.pattern = OtherValue(o.pattern, 0, f.patterns - 1, rng);
        return true;
    case DifferenceKind::Count:
        o.count += (o.count < f.maxCount && (o.count == f.minCount || rng.Chance(0.5))) ? 1 : -1;
        return true;
    case DifferenceKind::Text:
        o.label = OtherValue(o.label, 0, kLabels - 1, rng);
        return true;
    }
    return false;
}

// Where a change rendered inside `area` differs from the scene, and how many pixels differ plainly for
// every viewer.
std::optional<PixelBox> ChangedBox(const ChangeRenderer& renderer, const PixelBox& area, int& clearPixels,
                                   float& medianDeltaE) {
    PixelBox box{kPictureWidth, kPictureHeight, -1, -1};
    clearPixels = 0;
    std::vector<float> plain;
    for (int y = area.y0; y <= area.y1; ++y) {
        for (int x = area.x0; x <= area.x1; ++x) {
            const Rgb p = renderer.Base(x, y), q = renderer.Changed(x, y);
            if (p == q) continue;
            box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x), std::max(box.y1, y)};
            const float d = DeltaE(ToLab(p), ToLab(q));
            if (d >= fairness::kClearDeltaE) plain.push_back(d);
            clearPixels += ColourDistance(p, q) >= fairness::kClearDeltaE;
        }
    }
    if (box.x1 < 0) return std::nullopt;
    medianDeltaE = 0;
    if (!plain.empty()) {
        std::nth_element(plain.begin(), plain.begin() + plain.size() / 2, plain.end());
        medianDeltaE = plain[plain.size() / 2];
    }
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

std::vector<size_t> Candidates(const Scene& scene, DifferenceKind change, const std::vector<bool>& used) {
    std::vector<size_t> indexes;
    for (size_t i = 0; i < scene.objects.size(); ++i) {
        if (!used[i] && Applicable(change, scene.objects[i])) indexes.push_back(i);
    }
    return indexes;
}
} // namespace

std::string_view KindName(DifferenceKind kind) {
    static constexpr std::string_view kNames[kDifferenceKinds] = {
        "removal", "addition", "recolour", "size", "shape", "part", "move", "pattern", "count", "text"};
    return kNames[size_t(kind)];
}

bool MakeDifferences(const Scene& scene, int difficulty, Rng& rng, PairPlan& plan) {
    const int level = std::clamp(difficulty, kMinDifficulty, kMaxDifficulty) - 1;
    plan.left = scene;
    plan.right = scene;
    ChangeRenderer renderer(scene);
    std::vector<bool> used(scene.objects.size(), false);
    std::vector<PixelBox> taken;
    std::array<int, kDifferenceKinds> had{};
    // Tries the change on one object; true when it makes a fair difference of the level, apart from the
    // others, which it then joins.
    auto tryChange = [&](DifferenceKind change, size_t index) {
        SceneObject object = scene.objects[index];
        if (!Apply(change, object, level, rng)) return false;
        int clear = 0;
        float medianDeltaE = 0;
        const PixelBox drawn = renderer.Render(index, object);
        const std::optional<PixelBox> changed = ChangedBox(renderer, drawn, clear, medianDeltaE);
        if (!changed || clear < kMinClear[level] || clear > kMaxClear[level]) return false;
        if (medianDeltaE > kMaxMedianDeltaE[level]) return false;
        const PixelBox rect = FrameChange(*changed);
        const int64_t area = int64_t(rect.x1 - rect.x0 + 1) * (rect.y1 - rect.y0 + 1);
        if (area > fairness::kMaxArea) return false;
        if (!std::all_of(taken.begin(), taken.end(), [&](const PixelBox& t) { return Apart(t, rect); })) {
            return false;
        }
        used[index] = true;
        ++had[size_t(change)];
        plan.right.objects[index] = object;
        plan.kinds[taken.size()] = change;
        plan.map[taken.size()] = {rect.x0 + kLeftX, rect.y0 + kTopY, rect.x1 + kLeftX, rect.y1 + kTopY};
        taken.push_back(rect);
        return true;
    };
    for (int tries = 0; tries < kCandidates && taken.size() < kDifferences;) {
        const DifferenceKind change = PickChange(level, had, rng);
        std::vector<size_t> indexes = Candidates(scene, change, used);
        ++tries;
        for (size_t i = 0; i < indexes.size() && i < size_t(kObjectsPerKind); ++i, ++tries) {
            std::swap(indexes[i], indexes[size_t(rng.Int(int(i), int(indexes.size()) - 1))]);
            if (tryChange(change, indexes[i])) break;
        }
    }
    if (taken.size() < kDifferences) return false;
    plan.stage = ComposeStage(renderer.BasePicture(), renderer.PictureOf(plan.right));
    return true;
}
