#pragma once
#include <cstdint>
#include <memory>

// A decoded picture in DIB layout: blue-green-red pixels, rows bottom-up, each padded to m_rowBytes.
struct RgbPicture {
    std::unique_ptr<uint8_t[]> m_pImage; // null when there is no picture
    uint32_t m_width = 0;
    uint32_t m_height = 0;
    uint32_t m_rowBytes = 0;

    // Decodes a JPEG file into the holder. On failure the decoder has shown its message and the holder
    // has no pixels; the sizes are 0, or the picture's size when the decode failed part-way.
    bool LoadJpeg(const char* path);
};
