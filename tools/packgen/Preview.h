#pragma once
#include <string>

// Writes a PNG sheet of a pack's pairs (two columns) with each difference rectangle outlined on both
// pictures, scaled by `scale` (0.1 to 1).
bool WritePreview(const std::string& packPath, const std::string& pngPath, double scale, std::string& error);
