#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/pairs/PairLayout.h"

// A difference rectangle as the map stores it: inclusive edges, in the stage picture's coordinates.
struct MapRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const MapRect&) const = default;
};

using DifferenceMap = std::array<MapRect, pair_layout::kDifferences>;

constexpr size_t kMapFileSize = 80;

// The 80-byte map: five records of left, top, right, bottom, signed 32-bit little-endian.
std::vector<uint8_t> EncodeMap(const DifferenceMap& map);
// Reads a map the way the game does: bytes after the 80th are ignored, missing bytes count as 0.
DifferenceMap DecodeMap(const std::vector<uint8_t>& bytes);
