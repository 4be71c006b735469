#pragma once
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

#include "tools/packgen/DifferenceMaker.h"
#include "tools/packgen/PackFormat.h"
#include "tools/pairs/Verifier.h"

struct GeneratedPair {
    std::vector<uint8_t> jpeg; // the 640x480 stage picture
    DifferenceMap map{};
    uint64_t seed = 0; // the seed that passed
    int tries = 0;     // scenes drawn until one passed
    std::array<DifferenceKind, pair_layout::kDifferences> kinds{};
    int objects = 0; // objects shown in the left picture
};

constexpr int kMaxTries = 60;

// Draws a pair of the theme and difficulty, encodes it, decodes it again and verifies it; a pair that
// fails is drawn again from the next seed. False (with a reason) when no seed of kMaxTries passed.
// A stop requested through `stop` ends the search before the next scene, as a failure.
bool GeneratePair(int theme, int difficulty, uint64_t seed, GeneratedPair& out, std::string& error,
                  std::stop_token stop = {});
