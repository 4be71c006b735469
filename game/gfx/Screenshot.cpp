#include "game/gfx/Screenshot.h"

#include <cstdint>
#include <vector>

#include "common/AtomicFile.h"

namespace {
void PutLe(std::vector<uint8_t>& out, size_t at, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Widens a channel of `bits` bits to 8 by repeating its top bits in the low ones.
uint8_t Widen(uint32_t value, uint32_t mask, uint32_t shift) {
    const uint32_t field = (value & mask) >> shift;
    const uint32_t max = mask >> shift;
    return static_cast<uint8_t>(max ? field * 255 / max : 0);
}
} // namespace

bool WriteBmp24(const std::string& path, const PixelBuffer& picture, const PixelConversion& format,
                std::string& error) {
    const int w = picture.Width();
    const int h = picture.Height();
    const size_t rowBytes = (size_t(w) * 3 + 3) & ~size_t(3);
    const size_t headerBytes = 54;
    std::vector<uint8_t> out(headerBytes + rowBytes * size_t(h), 0);
    out[0] = 'B';
    out[1] = 'M';
    PutLe(out, 2, uint32_t(out.size()), 4);
    PutLe(out, 10, headerBytes, 4);
    PutLe(out, 14, 40, 4);
    PutLe(out, 18, uint32_t(w), 4);
    PutLe(out, 22, uint32_t(h), 4);
    PutLe(out, 26, 1, 2);
    PutLe(out, 28, 24, 2);
    PutLe(out, 34, uint32_t(rowBytes * size_t(h)), 4);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = &out[headerBytes + rowBytes * size_t(h - 1 - y)];
        for (int x = 0; x < w; ++x) {
            const uint16_t v = picture.At(x, y);
            row[3 * x + 0] = Widen(v, format.blueMask, format.blueShift);
            row[3 * x + 1] = Widen(v, format.greenMask, format.greenShift);
            row[3 * x + 2] = Widen(v, format.redMask, format.redShift);
        }
    }
    return WriteFileAtomically(path, out, error);
}
