#pragma once
#include <vector>

#include "tools/pairs/RgbImage.h"

// Colour distance (delta E) between each pixel of the left picture and the same pixel of the right one,
// row by row over the 300x400 picture area of a 640x480 stage picture.
std::vector<float> PlainDistances(const RgbImage& stage);
// The same distance at picture pixel (x, y), as a red-green colour-blind (deuteranope) player sees the two
// pictures.
float ColourBlindDistance(const RgbImage& stage, int x, int y);
