#pragma once
#include <cstdint>

#include "tools/pairs/RgbImage.h"

// A photo-like outdoor scene of our own making (no photo is downloaded): sky, hills, a house, trees,
// rocks and flowers with soft light, sensor noise and a little blur. The seed places everything.
RgbImage RenderPhotoScene(uint64_t seed, int width, int height);
