#include "codecs/RgbRows.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {
constexpr size_t kRgbBytes = 3;
}

uint32_t DibRowBytes(uint32_t width) {
    return uint32_t((uint64_t(width) * 24 + 31) / 32 * 4);
}

void CopyRgbRow(const uint8_t* source, uint32_t width, uint8_t* dest, uint32_t row) {
    const size_t rowSize = size_t(width) * kRgbBytes;
    std::memcpy(dest + size_t(row) * rowSize, source, rowSize);
}

void ExpandGrayRow(const uint8_t* source, uint32_t width, uint8_t* dest, uint32_t row) {
    uint8_t* out = dest + size_t(row) * width * kRgbBytes;
    for (uint32_t x = 0; x < width; ++x, out += kRgbBytes) out[0] = out[1] = out[2] = source[x];
}

std::unique_ptr<uint8_t[]> AlignRows(const uint8_t* packed, uint32_t width, uint32_t height,
                                     uint32_t& rowBytes) {
    if (!packed) return nullptr;
    rowBytes = DibRowBytes(width);
    std::unique_ptr<uint8_t[]> aligned(new (std::nothrow) uint8_t[size_t(rowBytes) * height]());
    if (!aligned) return nullptr;
    const size_t packedRow = size_t(width) * kRgbBytes;
    // Rows of no pixels: nothing to copy however many there are.
    for (uint32_t y = 0; y < height && packedRow > 0; ++y)
        std::memcpy(aligned.get() + size_t(y) * rowBytes, packed + size_t(y) * packedRow, packedRow);
    return aligned;
}

int FlipRows(uint8_t* buffer, uint32_t rowBytes, uint32_t rowCount) {
    if (!buffer) return 0;
    for (uint32_t i = 0; i < rowCount / 2 && rowBytes > 0; ++i) {
        uint8_t* top = buffer + size_t(i) * rowBytes;
        uint8_t* bottom = buffer + size_t(rowCount - 1 - i) * rowBytes;
        std::swap_ranges(top, top + rowBytes, bottom);
    }
    return 1;
}

int SwapRedBlue(uint8_t* buffer, uint32_t width, uint32_t height) {
    if (!buffer) return 0;
    const size_t pixels = size_t(width) * height;
    for (uint8_t* p = buffer; p < buffer + pixels * kRgbBytes; p += kRgbBytes) std::swap(p[0], p[2]);
    return 1;
}
