#pragma once
#include "tools/artgen/Image.h"

// The game treats the pixel value 0 as transparent. These rules make every picture obey that:
// a transparent pixel is exactly (0,0,0); an opaque one never packs to 0, in 565 or in 555.
namespace PixelRules {

// Coverage at or above which a drawn pixel counts as opaque.
constexpr uint8_t kOpaqueAlpha = 128;
// Smallest channel value that survives packing into 5 bits (and 6-bit green, too).
constexpr uint8_t kLowestVisible = 8;

bool IsTransparent(const Rgba& c);
// An opaque colour lifted so that it does not pack to 0: when all channels lie below 8 they become 8.
Rgba Lift(Rgba c);
// Transparent pixels become exactly (0,0,0,0), opaque ones lifted and fully opaque.
void Settle(Image& image);
// True when the colour would pack to the transparent value in 565 or 555.
bool PacksToZero(const Rgba& c);

} // namespace PixelRules
