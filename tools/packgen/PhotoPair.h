#pragma once
#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "tools/pairs/PairMap.h"
#include "tools/pairs/RgbImage.h"

// The part of a photo a pair is made from, in photo pixels; when not given, the largest centred part of
// the picture's 3:4 shape.
struct PhotoCrop {
    int x = 0, y = 0, width = 0, height = 0;
    bool given = false;
};

struct PhotoPair {
    std::vector<uint8_t> jpeg; // the 640x480 stage picture
    DifferenceMap map{};
    std::array<const char*, pair_layout::kDifferences> edits{}; // what each difference is
    int tries = 0;                                              // changes tried until five passed
};

// Fits the photo to the picture, then makes five changes that follow its shapes (a region recoloured,
// removed by inpainting, mirrored or copied beside itself), each verified after JPEG encoding, another
// place tried when one fails. The seed picks the places. False with a reason when no fair pair came of it.
bool MakePhotoPair(const RgbImage& photo, const PhotoCrop& crop, uint64_t seed, PhotoPair& out,
                   std::string& error);
bool MakePhotoPairFromFile(const std::string& path, const PhotoCrop& crop, uint64_t seed, PhotoPair& out,
                           std::string& error);
// One line: the edits and their rectangles.
std::string DescribePhotoPair(const PhotoPair& pair);

// A pack from the first ten JPEG photos of a directory (in name order), one pair each, the crop applied to
// every photo. Progress goes to `out`.
bool BuildPhotoPack(const std::string& directory, const PhotoCrop& crop, uint64_t seed,
                    std::vector<uint8_t>& archive, std::ostream& out, std::string& error);
