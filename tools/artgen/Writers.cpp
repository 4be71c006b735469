#include "tools/artgen/Writers.h"

namespace {
constexpr uint8_t kPcxManufacturer = 10;
constexpr uint8_t kPcxVersion = 5;
constexpr uint8_t kPcxRle = 1;
constexpr size_t kPcxHeaderSize = 128;
constexpr uint8_t kPcxPaletteMarker = 12;
constexpr int kPcxMaxRun = 63;
constexpr uint8_t kPcxRunFlag = 0xC0;
constexpr uint32_t kBmpFileHeader = 14;
constexpr uint32_t kBmpInfoHeader = 40;
constexpr uint32_t kBmpPaletteBytes = 256 * 4;
constexpr int kDpi = 72;
constexpr uint32_t kPixelsPerMetre = 2835;

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
    out[at] = uint8_t(v);
    out[at + 1] = uint8_t(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
}

void EncodePcxRow(std::vector<uint8_t>& out, const uint8_t* row, int bytesPerLine) {
    int x = 0;
    while (x < bytesPerLine) {
        int run = 1;
        while (x + run < bytesPerLine && run < kPcxMaxRun && row[x + run] == row[x]) ++run;
        if (run > 1 || row[x] >= kPcxRunFlag) out.push_back(uint8_t(kPcxRunFlag | run));
        out.push_back(row[x]);
        x += run;
    }
}

std::vector<uint8_t> BmpHeaders(int width, int height, uint16_t bits, uint32_t paletteBytes,
                                uint32_t rowBytes) {
    const uint32_t offset = kBmpFileHeader + kBmpInfoHeader + paletteBytes;
    const uint32_t imageBytes = rowBytes * uint32_t(height);
    std::vector<uint8_t> out(offset + imageBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, offset + imageBytes);
    Put32(out, 10, offset);
    Put32(out, 14, kBmpInfoHeader);
    Put32(out, 18, uint32_t(width));
    Put32(out, 22, uint32_t(height));
    Put16(out, 26, 1);
    Put16(out, 28, bits);
    Put32(out, 34, imageBytes);
    Put32(out, 38, kPixelsPerMetre);
    Put32(out, 42, kPixelsPerMetre);
    if (paletteBytes) Put32(out, 46, 256);
    return out;
}

uint32_t RowBytes(int width, int bytesPerPixel) {
    return (uint32_t(width) * bytesPerPixel + 3) & ~3u;
}
} // namespace

namespace Writers {

std::vector<uint8_t> Pcx256(const IndexedImage& image) {
    const int bytesPerLine = (image.width + 1) & ~1;
    std::vector<uint8_t> out(kPcxHeaderSize, 0);
    out[0] = kPcxManufacturer;
    out[1] = kPcxVersion;
    out[2] = kPcxRle;
    out[3] = 8;
    Put16(out, 8, uint16_t(image.width - 1));
    Put16(out, 10, uint16_t(image.height - 1));
    Put16(out, 12, kDpi);
    Put16(out, 14, kDpi);
    out[65] = 1;
    Put16(out, 66, uint16_t(bytesPerLine));
    Put16(out, 68, 1);
    std::vector<uint8_t> row(size_t(bytesPerLine), 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) row[x] = image.indices[size_t(y) * image.width + x];
        EncodePcxRow(out, row.data(), bytesPerLine);
    }
    out.push_back(kPcxPaletteMarker);
    for (int i = 0; i < 256; ++i) {
        out.push_back(image.palette[i].r);
        out.push_back(image.palette[i].g);
        out.push_back(image.palette[i].b);
    }
    return out;
}

std::vector<uint8_t> Bmp8(const IndexedImage& image) {
    const uint32_t rowBytes = RowBytes(image.width, 1);
    std::vector<uint8_t> out = BmpHeaders(image.width, image.height, 8, kBmpPaletteBytes, rowBytes);
    size_t at = kBmpFileHeader + kBmpInfoHeader;
    for (int i = 0; i < 256; ++i, at += 4) {
        out[at] = image.palette[i].b;
        out[at + 1] = image.palette[i].g;
        out[at + 2] = image.palette[i].r;
    }
    for (int y = image.height - 1; y >= 0; --y, at += rowBytes)
        for (int x = 0; x < image.width; ++x) out[at + x] = image.indices[size_t(y) * image.width + x];
    return out;
}

std::vector<uint8_t> Bmp24(const Image& image) {
    const uint32_t rowBytes = RowBytes(image.width, 3);
    std::vector<uint8_t> out = BmpHeaders(image.width, image.height, 24, 0, rowBytes);
    size_t at = kBmpFileHeader + kBmpInfoHeader;
    for (int y = image.height - 1; y >= 0; --y, at += rowBytes) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba& c = image.At(x, y);
            out[at + 3 * x] = c.b;
            out[at + 3 * x + 1] = c.g;
            out[at + 3 * x + 2] = c.r;
        }
    }
    return out;
}

} // namespace Writers
