#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/pairs/PairMap.h"

constexpr size_t kInfoFileSize = 193;
constexpr size_t kInfoFieldSize = 32;
constexpr int kInfoLines = 5;

// The pack's info file: star count, maker and five description lines, each text already in code page 949.
struct PackInfo {
    uint8_t stars = 3;
    std::string maker = "QAN TEAM";
    std::array<std::string, kInfoLines> lines;
};
// The 193-byte info file; false with a reason when a text does not fit its 32-byte field with its terminator.
bool EncodePackInfo(const PackInfo& info, std::vector<uint8_t>& out, std::string& error);
