#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

// Decodes JPEG files with libjpeg into a packed RGB buffer: width x height x 3 bytes, rows top-down,
// red-green-blue. Failures are shown through the codec message box and give null.
class JpegFile {
  public:
    // The largest picture a caller takes. Larger ones are refused ("Picture too large") before anything of
    // their size is allocated.
    struct Limits {
        uint32_t maxSide;
        uint64_t maxPixels;
    };
    // The game's pictures fit the 640x480 screen; this bound only keeps hostile headers cheap.
    static constexpr uint32_t kMaxSide = 4096;
    static constexpr Limits kGameLimits{kMaxSide, uint64_t(kMaxSide) * kMaxSide};

    // Width and height are 0 on failure, or the picture's size when the decode failed part-way.
    static std::unique_ptr<uint8_t[]> ReadRgb(const char* path, uint32_t* width, uint32_t* height,
                                              const Limits& limits = kGameLimits);
    // The same decode from bytes already in memory.
    static std::unique_ptr<uint8_t[]> ReadRgbFromMemory(const uint8_t* data, size_t size, uint32_t* width,
                                                        uint32_t* height, const Limits& limits = kGameLimits);
};
