#pragma once
#include <cstdint>
#include <vector>

#include "tools/pairs/PairMap.h"
#include "tools/pairs/RgbImage.h"

// Where the left and right pictures of a 640x480 stage picture differ, with compression noise ignored.
namespace finding {
// A pixel this far from its twin may differ, and does when it joins a group of this many such pixels:
// compression noise scatters, a change clusters.
constexpr float kDiffersDeltaE = 14.0f;
constexpr int kGroupPixels = 24;
constexpr int kJoinGap = 4;         // differing pixels this close belong to the same difference
constexpr int kMinClearPixels = 20; // a place with fewer plainly differing pixels is left out
constexpr int kMargin = 3;          // suggested rectangles reach this far past the differing pixels
} // namespace finding

// One byte per pixel of the 300x400 left picture, row by row: 1 where it differs from the right picture.
// Empty when the stage picture is not 640x480.
std::vector<uint8_t> FindDifferingPixels(const RgbImage& stage);

// Up to five rectangles (stage picture coordinates, inside the left picture, not overlapping) around the
// places where the pictures differ, the plainest first; nearby places are joined when there are more than
// five. Empty when nothing differs or the stage picture is not 640x480.
std::vector<MapRect> SuggestRectangles(const RgbImage& stage);

// How well a suggested rectangle matches a true one: the area they share over the area they cover
// together (0 when apart, 1 when equal), in 64 bits so that any stored values are safe.
double IntersectionOverUnion(const MapRect& a, const MapRect& b);
