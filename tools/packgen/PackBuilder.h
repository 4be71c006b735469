#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "tools/packgen/DailyPlan.h"
#include "tools/packgen/PairGenerator.h"

constexpr int kMixedThemes = -1;

struct PackRequest {
    int theme = kMixedThemes; // a theme index, or every picture from a theme of its own choosing
    int difficulty = 3;
    uint64_t seed = 1;
};

// Called after each pair with its entry name, for progress reports.
using PairListener = std::function<void(const std::string& name, const GeneratedPair& pair)>;

// The ten pairs of a pack as archive bytes: each picture "pairNN.jpg" followed by its map "pairNN.map".
bool BuildPack(const PackRequest& request, const PairListener& listener, std::vector<uint8_t>& archive,
               std::string& error);
// The same from the pairs asked for, in their order (today's pack).
bool BuildPackOf(std::span<const PairRequest> pairs, const PairListener& listener,
                 std::vector<uint8_t>& archive, std::string& error);
// The ten pairs of the day's pack, as TodayPairRequest gives them.
bool BuildTodayPack(int64_t day, const PairListener& listener, std::vector<uint8_t>& archive,
                    std::string& error);
// The entry name of picture `index` without its extension: "pair00" to "pair09".
std::string PackEntryStem(int index);
// The seed and theme of picture `index` of a pack.
uint64_t PictureSeed(uint64_t packSeed, int index);
int PictureTheme(const PackRequest& request, int index);
