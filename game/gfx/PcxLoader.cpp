// The 256-colour PCX loader: RLE rows of palette indices, the palette in the last 768 bytes.
#include <algorithm>
#include <array>
#include <vector>

#include "game/gfx/Archive.h"
#include "game/gfx/Display.h"
#include "game/gfx/PictureSource.h"
#include "game/gfx/PixelConversion.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Surface.h"

namespace {
constexpr size_t kHeaderSize = 128;
constexpr size_t kPaletteBytes = 768;
constexpr uint8_t kManufacturer = 10;
constexpr uint8_t kRleEncoding = 1;
constexpr uint8_t kBitsPerPixel = 8;
constexpr size_t kEncodingAt = 2, kBitsAt = 3, kYminAt = 6, kYmaxAt = 10, kBytesPerLineAt = 66;
constexpr uint8_t kRunMark = 0xC0;
constexpr uint8_t kRunCount = 0x3F;
// A byte of encoded data yields at most this many pixels (a two-byte run of 63).
constexpr int64_t kMaxPixelsPerByte = 32;

// Decodes rows top-down; a run stops at the end of its row and the rest of it is dropped. Rows the data
// does not reach stay 0.
void DecodeRows(const std::vector<uint8_t>& data, const std::array<uint16_t, 256>& palette,
                PixelBuffer& out) {
    size_t pos = kHeaderSize;
    const int width = out.Width();
    for (int y = 0; y < out.Height(); ++y) {
        uint16_t* row = out.Row(y);
        for (int x = 0; x < width;) {
            if (pos >= data.size()) return;
            const uint8_t b = data[pos++];
            if ((b & kRunMark) != kRunMark) {
                row[x++] = palette[b];
                continue;
            }
            if (pos >= data.size()) return;
            const uint16_t pixel = palette[data[pos++]];
            const int n = std::min(int(b & kRunCount), width - x);
            std::fill_n(row + x, n, pixel);
            x += n;
        }
    }
}
} // namespace

bool Surface::LoadPcx256(Archive* archive, const char* name, int cellW, int cellH) {
    ReleaseSurface();
    if (!LowLoadPcx256(archive, name)) {
        ShowError("LowLoadPcx256(%s)", name);
        return false;
    }
    FinishLoad(cellW, cellH);
    return true;
}

bool Surface::LowLoadPcx256(Archive* archive, const char* name) {
    std::vector<uint8_t> data;
    if (!ReadPictureBytes(archive, name, data)) {
        if (archive)
            ShowError("Load(%s) %s", name, archive->Path().c_str());
        else
            ShowError("Load( %s)", name);
        return false;
    }
    // A loose file's picture starts at offset 0.
    const int offset = archive ? archive->FindOffset(name) : 0;
    if (data.size() < kHeaderSize || data[0] != kManufacturer) {
        ShowError("Pcx LOAD ERROR 1 HeaderLoading(%s) %d", name, offset);
        return false;
    }
    if (data[kEncodingAt] != kRleEncoding) {
        ShowError("Pcx LOAD ERROR 2 Encoding(%s)", name);
        return false;
    }
    if (data[kBitsAt] != kBitsPerPixel) {
        ShowError("Pcx LOAD ERROR 3 Not 256(%s)", name);
        return false;
    }
    const int w = PictureLe16s(&data[kBytesPerLineAt]);
    const int h = PictureLe16s(&data[kYmaxAt]) - PictureLe16s(&data[kYminAt]) + 1;
    // A picture its data cannot fill (or without room for a palette) is refused like a surface that
    // cannot be made, before anything of its size is allocated.
    const int64_t encoded = int64_t(data.size()) - int64_t(kHeaderSize);
    const bool fits =
        data.size() >= kHeaderSize + kPaletteBytes && int64_t(w) * h <= encoded * kMaxPixelsPerByte;
    if (!CreateSurfaceFor(name, w, h, fits)) return false;

    std::array<uint16_t, 256> palette;
    const uint8_t* rgb = data.data() + data.size() - kPaletteBytes;
    for (size_t i = 0; i < palette.size(); ++i, rgb += 3) palette[i] = PackColor(rgb[0], rgb[1], rgb[2]);
    int pitch = 0;
    DDLock(surface.get(), pitch);
    DecodeRows(data, palette, *surface);
    DDUnlock(surface.get());
    return true;
}
