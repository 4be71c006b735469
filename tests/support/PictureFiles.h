#pragma once
// Small PCX and BMP files built byte by byte, for loader tests and fuzz seeds.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "tools/pairs/Colour.h"

inline void PutLe(std::vector<uint8_t>& v, size_t at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) v[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A 256-colour PCX: header, the given RLE data, the 0x0C marker and the palette.
inline std::vector<uint8_t> MakePcx(int bytesPerLine, int height, const std::vector<uint8_t>& rle,
                                    const std::array<Rgb, 256>& palette, int visibleWidth = 0) {
    std::vector<uint8_t> f(128, 0);
    f[0] = 10;
    f[1] = 5;
    f[2] = 1;
    f[3] = 8;
    PutLe(f, 8, uint32_t((visibleWidth > 0 ? visibleWidth : bytesPerLine) - 1), 2);
    PutLe(f, 10, uint32_t(height - 1), 2);
    f[65] = 1;
    PutLe(f, 66, uint32_t(bytesPerLine), 2);
    f.resize(128 + rle.size() + 1 + 768);
    std::copy(rle.begin(), rle.end(), f.begin() + 128);
    size_t at = 128 + rle.size();
    f[at++] = 0x0C;
    for (const Rgb& c : palette) {
        f[at++] = c.r;
        f[at++] = c.g;
        f[at++] = c.b;
    }
    return f;
}

// An uncompressed BMP of 8 or 24 bits: headers, 256 palette entries for 8 bits, then the rows as given
// (bottom row first, padding included).
inline std::vector<uint8_t> MakeBmp(int bits, int width, int height, const std::vector<uint8_t>& rows,
                                    const std::array<Rgb, 256>& palette = {}) {
    const size_t paletteBytes = bits == 8 ? 1024 : 0;
    std::vector<uint8_t> f(54 + paletteBytes, 0);
    f[0] = 'B';
    f[1] = 'M';
    PutLe(f, 2, uint32_t(f.size() + rows.size()), 4);
    PutLe(f, 10, uint32_t(f.size()), 4);
    PutLe(f, 14, 40, 4);
    PutLe(f, 18, uint32_t(width), 4);
    PutLe(f, 22, uint32_t(height), 4);
    PutLe(f, 26, 1, 2);
    PutLe(f, 28, uint32_t(bits), 2);
    for (size_t i = 0; i < paletteBytes / 4; ++i) {
        f[54 + i * 4] = palette[i].b;
        f[54 + i * 4 + 1] = palette[i].g;
        f[54 + i * 4 + 2] = palette[i].r;
    }
    const size_t at = f.size();
    f.resize(at + rows.size());
    std::copy(rows.begin(), rows.end(), f.begin() + at);
    return f;
}

inline std::array<Rgb, 256> RampPalette() {
    std::array<Rgb, 256> p{};
    for (int i = 0; i < 256; ++i) p[i] = {uint8_t(i * 10), uint8_t(i * 20), uint8_t(i * 30)};
    return p;
}
