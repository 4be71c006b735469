#pragma once
#include <cstdint>
#include <vector>

#include "tools/artgen/Image.h"

// The picture formats the game reads. Each returns the whole file.
namespace Writers {

// 256-colour PCX, run-length encoded row by row (a run never crosses a row end), palette at the end.
// An odd width is padded to an even number of bytes per line, as the format asks.
std::vector<uint8_t> Pcx256(const IndexedImage& image);
// 8-bit BMP: 256-entry palette, rows bottom-up, each padded to 4 bytes, nothing after the last row.
std::vector<uint8_t> Bmp8(const IndexedImage& image);
// 24-bit BMP: blue, green, red, rows bottom-up padded to 4 bytes.
std::vector<uint8_t> Bmp24(const Image& image);

} // namespace Writers
