#pragma once
#include <array>
#include <string_view>

#include "tools/packgen/PackFormat.h"
#include "tools/packgen/Rng.h"
#include "tools/packgen/Scene.h"
#include "tools/pairs/RgbImage.h"

constexpr int kMinDifficulty = 1;
constexpr int kMaxDifficulty = 5;

// What a difference does to its object.
enum class DifferenceKind : uint8_t {
    Removal,  // the object is gone
    Addition, // an object is there that was not
    Recolour, // one of its colours changed
    Size,     // larger or smaller
    Shape,    // another outline of the same thing (a pear for an apple, a round sign for a square one)
    Part,     // a small part shown or left out (a window, a leaf, steam)
    Move,     // moved sideways, or turned to face the other way
    Pattern,  // stripes, dots, checks or plain
    Count,    // one petal, button, book or window more or less
    Text,     // another word or number on a sign or label
};
constexpr int kDifferenceKinds = 10;
std::string_view KindName(DifferenceKind kind);

// The right picture's scene and the map of its five differences from the left one.
struct PairPlan {
    Scene left;
    Scene right;
    DifferenceMap map{};
    std::array<DifferenceKind, pair_layout::kDifferences> kinds{};
    RgbImage stage; // both pictures drawn, as the 640x480 stage picture
};

// Changes five objects of the scene, each in a rectangle of its own that bounds every pixel it changed
// plus a small margin, and draws the pair. Difficulty 1 makes large, strong changes; 5 small, subtle ones.
// False when the scene has no room for five separate differences of that difficulty.
bool MakeDifferences(const Scene& scene, int difficulty, Rng& rng, PairPlan& plan);
