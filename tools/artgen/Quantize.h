#pragma once
#include "tools/artgen/Image.h"

// Reduces a settled picture (see PixelRules) to 256 colours with libimagequant. Transparent pixels map
// to an entry that is exactly (0,0,0); every opaque pixel maps to an entry that does not pack to 0.
// Pictures of 256 colours or fewer keep their exact colours.
IndexedImage Quantize(const Image& image, float dithering);
