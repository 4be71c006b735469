#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/MapFile.h"
#include "game/play/PairSupply.h"

// Made pairs kept in a folder of the player's, so that a restart of the day takes them from there instead of
// drawing them again: each pair a picture STEM.jpg and its map STEM.map, as the pack tools read them. At most
// kMaxPairs are kept; the oldest go first. The files are read as hostile bytes: a file of the wrong size
// is not used.
class PairCache {
  public:
    static constexpr int kMaxPairs = 50;
    static constexpr size_t kMaxJpegBytes = 4u << 20;

    // An empty folder keeps nothing.
    explicit PairCache(std::string folder) : folder_(std::move(folder)) {}

    // "today-2026-12-09-03", "endless-2026-12-09-0042"; the generation's version is part of the name, so
    // that pairs of another version are never taken for this one's.
    static std::string StemFor(const MadePairKey& key);
    const std::string& Folder() const { return folder_; }

    // The pair's picture bytes and map; false when it is not kept or its files are unusable.
    bool Load(const MadePairKey& key, std::vector<uint8_t>& jpeg, MapRecords& map) const;
    // Writes the pair (each file whole or not at all), then lets the oldest pairs go beyond kMaxPairs.
    bool Store(const MadePairKey& key, const std::vector<uint8_t>& jpeg, const MapRecords& map,
               std::string& error) const;
    // Removes a pair that turned out unusable.
    void Drop(const MadePairKey& key) const;
    // Removes the oldest pairs (by the time their picture was written, then by name) while more than
    // kMaxPairs are kept, and maps whose picture is missing.
    void Trim() const;

  private:
    std::string PathOf(const MadePairKey& key, const char* extension) const;
    std::string folder_;
};
