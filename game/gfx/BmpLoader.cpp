// The BMP loaders: uncompressed 8-bit (palette) and 24-bit pictures, rows bottom-up, the row padding
// derived from the length of the data.
#include <vector>

#include "game/gfx/Archive.h"
#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"
#include "game/gfx/PackTables.h"
#include "game/gfx/PictureSource.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Surface.h"

namespace {
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;
// ReadBmpBitCount reads the file header and the 44 bytes after it.
constexpr size_t kBitCountReadSize = kFileHeaderSize + 44;
constexpr size_t kOffBitsAt = 10, kInfoSizeAt = 14, kWidthAt = 18, kHeightAt = 22, kBitCountAt = 28;
// The larger information headers (V4 108 bytes, V5 124 bytes) keep the first 40 bytes' layout.
constexpr uint32_t kMaxInfoHeaderSize = 124;
constexpr size_t kPaletteEntries = 256;
constexpr size_t kPaletteEntrySize = 4;
constexpr int kPalettedBits = 8, kTrueColorBits = 24;

struct BmpLayout {
    int width = 0;
    int height = 0;
    int64_t offBits = 0;
    int64_t padding = 0;
    bool fits = false;
};

// Width, height, where the pixels start and the padding after each row: (L - pixel bytes - bfOffBits) /
// height. fits is false when the data cannot hold the pixels the header promises.
BmpLayout ReadLayout(const std::vector<uint8_t>& data, int bytesPerPixel) {
    BmpLayout l;
    l.width = PictureLe32s(&data[kWidthAt]);
    l.height = PictureLe32s(&data[kHeightAt]);
    l.offBits = uint32_t(PictureLe32s(&data[kOffBitsAt]));
    const int64_t length = int64_t(data.size());
    const bool sidesFit =
        l.width > 0 && l.height > 0 && l.width <= kMaxSurfaceSide && l.height <= kMaxSurfaceSide;
    // Only sides that fit are multiplied: two huge ones would overflow even 64 bits.
    const int64_t pixelBytes = sidesFit ? int64_t(l.width) * l.height * bytesPerPixel : 0;
    l.fits = sidesFit && l.offBits <= length && pixelBytes <= length - l.offBits;
    if (l.fits) l.padding = (length - pixelBytes - l.offBits) / l.height;
    return l;
}

// Channel c of a 24-bit pixel: values from 1 up to the divisor become the divisor, so that only a 0
// component packs to 0.
uint32_t RaiseSmall(uint32_t c, uint32_t divisor) {
    return (c >= 1 && c <= divisor) ? divisor : c;
}
} // namespace

int Surface::ReadBmpBitCount(Archive* archive, const char* name) {
    std::vector<uint8_t> head;
    if (!ReadPictureHead(archive, name, kBitCountReadSize, head)) {
        ShowError("FILE OPEN( %s)", name);
        return 0;
    }
    // Too short to hold a bit count: 0, which no loader accepts.
    return head.size() > kBitCountAt + 1 ? int(PictureLe16(&head[kBitCountAt])) : 0;
}

bool Surface::LowLoadBmpBit(Archive* archive, const char* name, int cellW, int cellH) {
    ReleaseSurface();
    bool loaded = false;
    switch (ReadBmpBitCount(archive, name)) {
    case kPalettedBits:
        loaded = LowLoadBmp8(archive, name);
        break;
    case kTrueColorBits:
        loaded = LowLoadBmp24(archive, name);
        if (!loaded) ShowError("LowLoadBmp24 %s", name);
        break;
    default:
        ShowError("LowLoadBmpBit() %s", name);
        return false;
    }
    if (!loaded) return false;
    FinishLoad(cellW, cellH);
    return true;
}

bool Surface::LowLoadBmp8(Archive* archive, const char* name) {
    std::vector<uint8_t> data;
    if (!ReadPictureBytes(archive, name, data)) {
        ShowError("FILE OPEN( %s)", name);
        return false;
    }
    if (data.size() < kHeadersSize || PictureLe16(&data[kBitCountAt]) != kPalettedBits) {
        ShowError("This is Not 8bit color  %s", name);
        return false;
    }
    const BmpLayout l = ReadLayout(data, 1);
    // Always 256 entries right after the information header, whatever the header's colour count.
    const uint32_t infoSize = uint32_t(PictureLe32s(&data[kInfoSizeAt]));
    const size_t paletteAt =
        kFileHeaderSize +
        (infoSize > kInfoHeaderSize && infoSize <= kMaxInfoHeaderSize ? infoSize : kInfoHeaderSize);
    const bool paletteFits = data.size() >= paletteAt + kPaletteEntries * kPaletteEntrySize;
    if (!CreateSurfaceFor(name, l.width, l.height, l.fits && paletteFits)) return false;

    uint16_t palette[kPaletteEntries];
    for (size_t i = 0; i < kPaletteEntries; ++i) {
        const uint8_t* e = &data[paletteAt + i * kPaletteEntrySize];
        palette[i] = PackColor(e[2], e[1], e[0]);
    }
    int pitch = 0;
    DDLock(surface.get(), pitch);
    const uint8_t* src = data.data() + l.offBits;
    for (int y = l.height - 1; y >= 0; --y, src += l.padding) {
        uint16_t* row = surface->Row(y);
        for (int x = 0; x < l.width; ++x) row[x] = palette[*src++];
    }
    DDUnlock(surface.get());
    return true;
}

bool Surface::LowLoadBmp24(Archive* archive, const char* name) {
    std::vector<uint8_t> data;
    if (!ReadPictureBytes(archive, name, data)) {
        ShowError("FILE OPEN( %s)", name);
        return false;
    }
    if (data.size() < kHeadersSize || PictureLe16(&data[kBitCountAt]) != kTrueColorBits) {
        ShowError("This is Not 24bit color  %s", name);
        return false;
    }
    const BmpLayout l = ReadLayout(data, 3);
    if (!CreateSurfaceFor(name, l.width, l.height, l.fits)) return false;

    PackTables tables;
    for (uint32_t c = 0; c < 256; ++c) {
        tables.red[c] = PackColor(RaiseSmall(c, gPixelConversion.redDivisor), 0, 0);
        tables.green[c] = PackColor(0, RaiseSmall(c, gPixelConversion.greenDivisor), 0);
        tables.blue[c] = PackColor(0, 0, RaiseSmall(c, gPixelConversion.blueDivisor));
    }
    int pitch = 0;
    DDLock(surface.get(), pitch);
    const uint8_t* src = data.data() + l.offBits;
    for (int y = l.height - 1; y >= 0; --y, src += l.padding) {
        uint16_t* row = surface->Row(y);
        for (int x = 0; x < l.width; ++x, src += 3) row[x] = tables.Pack(src[2], src[1], src[0]);
    }
    DDUnlock(surface.get());
    return true;
}
