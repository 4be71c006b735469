#pragma once
#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "tools/pairs/Blend.h"
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
    std::array<const char*, pair_layout::kDifferences> edits{};  // what each difference is
    std::array<BlendFigures, pair_layout::kDifferences> blend{}; // how each blends, from the pair
    int tries = 0;                                               // changes tried until five passed
    int fairEdits = 0;     // changes tried that the fairness check passed ...
    int blendingEdits = 0; // ... and of them, those that blend into the photo
};

// Fits the photo to the picture, then makes five changes that follow its shapes and light (a thing
// recoloured with a colour from nearby, removed under the photo's own texture, copied, resized or
// mirrored in the gradient domain; something of the photo added to a calm stretch), each verified after
// JPEG encoding and measured for how it blends, another place tried when one fails or shows. The seed
// picks the places. False with a reason, naming the changes it did find, when no fair pair came of it.
bool MakePhotoPair(const RgbImage& photo, const PhotoCrop& crop, uint64_t seed, PhotoPair& out,
                   std::string& error);
bool MakePhotoPairFromFile(const std::string& path, const PhotoCrop& crop, uint64_t seed, PhotoPair& out,
                           std::string& error);
// One line: the edits and their rectangles.
std::string DescribePhotoPair(const PhotoPair& pair);

// A pack of ten pairs from the JPEG photos of a directory, taken in name order until ten pairs are made,
// the crop applied to every photo. Progress goes to `out`, with every photo skipped and why; false only
// when fewer than ten pairs could be made (or the directory cannot be read).
bool BuildPhotoPack(const std::string& directory, const PhotoCrop& crop, uint64_t seed,
                    std::vector<uint8_t>& archive, std::ostream& out, std::string& error);
