#pragma once
#include <cstdint>
#include <memory>

#include "codecs/JpegFile.h"

// A decoded picture in DIB layout: blue-green-red pixels, rows bottom-up, each padded to m_rowBytes.
struct RgbPicture {
    std::unique_ptr<uint8_t[]> m_pImage; // null when there is no picture
    uint32_t m_width = 0;
    uint32_t m_height = 0;
    uint32_t m_rowBytes = 0;

    // Decodes a JPEG file into the holder. On failure the decoder has shown its message and the holder
    // has no pixels; the sizes are 0, or the picture's size when the decode failed part-way.
    bool LoadJpeg(const char* path, const JpegFile::Limits& limits = JpegFile::kGameLimits);
    // Replaces the picture with a packed top-down red-green-blue buffer of that size, brought into the DIB
    // layout. False, with no picture left, when the padded copy cannot be allocated.
    bool TakePackedRgb(std::unique_ptr<uint8_t[]> packed, uint32_t width, uint32_t height);
};
