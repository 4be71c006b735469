#pragma once
#include <cstdint>

// The largest picture the BMP and GIF readers allocate: larger sizes in a header are refused as memory
// that cannot be had, before anything is allocated (8192 x 8192 pixels, 192 MiB of RGB).
constexpr uint64_t kMaxPicturePixels = uint64_t(8192) * 8192;
