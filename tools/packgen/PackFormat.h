#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/packgen/PairLayout.h"

// A difference rectangle as the map stores it: inclusive edges, in the stage picture's coordinates.
struct MapRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const MapRect&) const = default;
};

using DifferenceMap = std::array<MapRect, pair_layout::kDifferences>;

constexpr size_t kMapFileSize = 80;
constexpr size_t kInfoFileSize = 193;
constexpr size_t kInfoFieldSize = 32;
constexpr int kInfoLines = 5;

// The 80-byte map: five records of left, top, right, bottom, signed 32-bit little-endian.
std::vector<uint8_t> EncodeMap(const DifferenceMap& map);
// Reads a map the way the game does: bytes after the 80th are ignored, missing bytes count as 0.
DifferenceMap DecodeMap(const std::vector<uint8_t>& bytes);

// The pack's info file: star count, maker and five description lines, each text already in code page 949.
struct PackInfo {
    uint8_t stars = 3;
    std::string maker = "QAN TEAM";
    std::array<std::string, kInfoLines> lines;
};
// The 193-byte info file; false with a reason when a text does not fit its 32-byte field with its terminator.
bool EncodePackInfo(const PackInfo& info, std::vector<uint8_t>& out, std::string& error);
// The info file's name for a pack file name: lower case, every ".zor" replaced by ".dat".
std::string InfoFileName(const std::string& packFileName);
