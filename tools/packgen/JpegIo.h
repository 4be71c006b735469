#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/pairs/RgbImage.h"

constexpr int kPackJpegQuality = 94;

// Baseline JPEG with full-resolution colour (no chroma subsampling: thin coloured details keep their colour).
std::vector<uint8_t> EncodeJpeg(const RgbImage& image, int quality);
// Decodes any bytes safely; false with a reason for a broken stream or a picture wider or taller than
// maxSide.
bool DecodeJpeg(const std::vector<uint8_t>& bytes, int maxSide, RgbImage& out, std::string& error);
