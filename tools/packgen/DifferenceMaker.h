#pragma once
#include "tools/packgen/PackFormat.h"
#include "tools/packgen/Rng.h"
#include "tools/packgen/Scene.h"

constexpr int kMinDifficulty = 1;
constexpr int kMaxDifficulty = 5;

// The right picture's scene and the map of its five differences from the left one.
struct PairPlan {
    Scene left;
    Scene right;
    DifferenceMap map{};
};

// Changes five objects of the scene (removed, added, recoloured, resized, moved, mirrored or a part
// changed), each in a rectangle of its own that bounds every pixel it changed plus a small margin.
// Difficulty 1 makes large, strong changes; 5 small, subtle ones. False when the scene has no room
// for five separate differences of that difficulty.
bool MakeDifferences(const Scene& scene, int difficulty, Rng& rng, PairPlan& plan);
