#include "tools/packgen/SceneComposer.h"

#include <algorithm>

#include "tools/packgen/ArtKit.h"
#include "tools/packgen/KindTable.h"
#include "tools/packgen/Theme.h"
#include "tools/pairs/PairLayout.h"

namespace {
constexpr double kW = pair_layout::kPictureWidth;
constexpr double kH = pair_layout::kPictureHeight;
constexpr int kPlacementTries = 40;
constexpr int kSpareObjects = 4;
constexpr int kMinObjects = 29; // a scene is filled up to this many shown objects
constexpr int kFillTries = 40;
constexpr double kMaxOverlap = 0.5; // share of the smaller box two objects may cover of each other

int Layer(Zone zone) {
    switch (zone) {
    case Zone::Sky:
        return 0;
    case Zone::Wall:
        return 1;
    case Zone::Horizon:
        return 2;
    default:
        return 3;
    }
}

double OverlapShare(const Extent& a, const Extent& b) {
    const double w = std::min(a.x1, b.x1) - std::max(a.x0, b.x0);
    const double h = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
    if (w <= 0 || h <= 0) return 0;
    const double smaller = std::min((a.x1 - a.x0) * (a.y1 - a.y0), (b.x1 - b.x0) * (b.y1 - b.y0));
    return w * h / smaller;
}

int PickVariant(uint32_t allowed, Rng& rng) {
    if (allowed == 0) return rng.Int(0, 7);
    std::vector<int> choices;
    for (int v = 0; v < 32; ++v) {
        if (allowed >> v & 1u) choices.push_back(v);
    }
    return rng.Pick(choices);
}

// An object of the placement at a random spot of its zone.
SceneObject Place(const Placement& p, double horizon, Rng& rng) {
    const KindInfo& info = InfoOf(p.kind);
    SceneObject o;
    o.kind = p.kind;
    o.size = rng.Real(p.minSize, p.maxSize);
    const double halfWidth = info.width * o.size / 2;
    o.x = rng.Real(std::min(halfWidth * 0.6, kW / 2), std::max(kW - halfWidth * 0.6, kW / 2));
    switch (p.zone) {
    case Zone::Sky:
        o.y = rng.Real(o.size + 8, std::max(o.size + 9, horizon - 25));
        break;
    case Zone::Wall:
        o.y = rng.Real(o.size + 15, std::max(o.size + 16, horizon - 70));
        break;
    case Zone::Horizon:
        o.y = horizon + rng.Real(2, 14);
        break;
    case Zone::Float:
        o.y = rng.Real(o.size + 10, std::max(o.size + 11, horizon + 20));
        break;
    case Zone::Ground: {
        o.y = rng.Real(horizon + 25, kH - 6);
        o.size *= 0.7 + 0.3 * (o.y - horizon) / (kH - horizon); // smaller further back
        break;
    }
    }
    o.mirrored = info.asymmetric && rng.Chance(0.5);
    for (int c = 0; c < 3; ++c) o.colours[c] = rng.Pick(info.palettes[c]);
    o.variant = PickVariant(p.variants, rng);
    o.details = static_cast<uint32_t>(rng.Next()) & ((1u << info.detailBits) - 1u);
    o.details |= p.forcedDetails;
    const Features& f = info.features;
    if (f.patterns > 0) o.pattern = rng.Chance(0.4) ? kPlain : rng.Int(1, f.patterns - 1);
    if (f.maxCount > 0) o.count = rng.Int(f.minCount, f.maxCount);
    if (f.labelled) o.label = rng.Int(0, kLabels - 1);
    return o;
}
} // namespace

Extent ExtentOf(const SceneObject& o) {
    const double half = InfoOf(o.kind).width * o.size / 2;
    return {o.x - half, o.y - o.size, o.x + half, o.y};
}

Scene ComposeScene(int themeIndex, Rng& rng) {
    const Theme& theme = Themes()[themeIndex];
    Scene scene;
    scene.theme = themeIndex;
    scene.backgroundSeed = rng.Next();
    scene.horizon = rng.Real(theme.minHorizon, theme.maxHorizon);

    struct Placed {
        SceneObject object;
        int layer;
    };
    std::vector<Placed> placed;
    auto fits = [&](const SceneObject& o) {
        const Extent e = ExtentOf(o);
        return std::none_of(placed.begin(), placed.end(), [&](const Placed& other) {
            return OverlapShare(e, ExtentOf(other.object)) > kMaxOverlap;
        });
    };
    auto tryPlace = [&](const Placement& p, bool visible) {
        for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
            SceneObject o = Place(p, scene.horizon, rng);
            if (!fits(o)) continue;
            o.visible = visible;
            placed.push_back({o, Layer(p.zone)});
            return true;
        }
        return false;
    };
    for (const Placement& p : theme.placements) {
        const int count = rng.Int(p.minCount, p.maxCount);
        for (int i = 0; i < count; ++i) tryPlace(p, true);
    }
    // Where big objects left little room, more of the theme's repeated objects fill the scene up; spares
    // for additions come from them too (never a second sun or blackboard).
    std::vector<Placement> repeated;
    for (const Placement& p : theme.placements) {
        if (p.maxCount > 1) repeated.push_back(p);
    }
    if (repeated.empty()) repeated.assign(theme.placements.begin(), theme.placements.end());
    for (int i = 0; i < kFillTries && int(placed.size()) < kMinObjects; ++i)
        tryPlace(rng.Pick(repeated), true);
    for (int i = 0; i < kSpareObjects; ++i) tryPlace(rng.Pick(repeated), false);

    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.layer != b.layer ? a.layer < b.layer : a.object.y < b.object.y;
    });
    for (const Placed& p : placed) scene.objects.push_back(p.object);
    return scene;
}
