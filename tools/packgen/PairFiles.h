#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "common/MapPath.h"
#include "tools/pairs/PairMap.h"
#include "tools/pairs/RgbImage.h"

// A pair as an author keeps it on disk: the 640x480 stage picture STEM.jpg and its map STEM.map.
struct PairFile {
    std::string picturePath, mapPath;
    std::vector<uint8_t> jpeg;
    RgbImage stage;
    DifferenceMap map{};
    size_t mapBytes = 0; // the map file's size; the game reads 80 bytes
};

// Reads and decodes the picture; false with a reason when it cannot be read or decoded. Any size is read
// (up to the decoder's limit), so that a wrong size can be reported as such.
bool ReadPairPicture(const std::string& path, PairFile& pair, std::string& error);
// Reads the map; false with a reason when the file cannot be read.
bool ReadPairMap(const std::string& path, PairFile& pair, std::string& error);
// A reason when the pair is not what the game plays (a 640x480 picture, an 80-byte map), or "".
std::string MalformedReason(const PairFile& pair);
