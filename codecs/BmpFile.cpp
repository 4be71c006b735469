#include "codecs/BmpFile.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "codecs/ByteReader.h"
#include "codecs/CodecMessages.h"
#include "codecs/PictureLimits.h"

namespace {
// The reader's messages are the editor's own, shown under its title.
constexpr const char* kCaption = "mfcapp";
constexpr const char* kCantOpen = "Can't open file for reading :\n";
constexpr const char* kNotBmp = "Not a valid BMP File";
constexpr const char* kCompressed = "This is a compressed file\nGiving up";
constexpr const char* kCorruptPalette = "Corrupt palette";
constexpr const char* kAllocFailed = "Memory alloc Failed";
constexpr const char* kReadError = "Read Error!";
constexpr const char* kBadHeader = "Unsupported BMP header\nGiving up";
constexpr const char* kBadDepth = "Unsupported BMP depth\nGiving up";

constexpr uint64_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
// The later Windows and OS/2 headers keep the 40-byte header's fields in place and add theirs after them;
// the palette follows the whole header.
constexpr uint32_t kKnownHeaderBytes[] = {40, 52, 56, 64, 108, 124};
constexpr uint64_t kPaletteEntryBytes = 4;
constexpr uint32_t kMaxPaletteEntries = 256;
constexpr uint64_t kRowAlignBits = 32;
constexpr uint32_t kBytesPerPixel = 3;

struct Header {
    uint32_t fileBytes = 0, reserved1 = 0, reserved2 = 0, dataOffset = 0, headerBytes = 0, width = 0,
             height = 0, planes = 0, bits = 0, compression = 0, imageBytes = 0, xResolution = 0,
             yResolution = 0, coloursUsed = 0, coloursImportant = 0;
};

// Blue, green, red; entries past the file's colour count stay black.
using Palette = std::array<std::array<uint8_t, kBytesPerPixel>, kMaxPaletteEntries>;

bool Fail(const std::string& text) {
    ShowCodecMessage(kCaption, text);
    return false;
}

// The fields after the signature, one at a time in file order.
bool ReadHeader(ByteReader& in, Header& h) {
    return in.Le32(h.fileBytes) && in.Le16(h.reserved1) && in.Le16(h.reserved2) && in.Le32(h.dataOffset) &&
           in.Le32(h.headerBytes) && in.Le32(h.width) && in.Le32(h.height) && in.Le16(h.planes) &&
           in.Le16(h.bits) && in.Le32(h.compression) && in.Le32(h.imageBytes) && in.Le32(h.xResolution) &&
           in.Le32(h.yResolution) && in.Le32(h.coloursUsed) && in.Le32(h.coloursImportant);
}

bool KnownHeader(uint32_t bytes) {
    return std::find(std::begin(kKnownHeaderBytes), std::end(kKnownHeaderBytes), bytes) !=
           std::end(kKnownHeaderBytes);
}

bool KnownDepth(uint32_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24;
}

// Reads all count entries the header announces (without storing more than an index can reach).
bool ReadPalette(ByteReader& in, uint64_t count, Palette& palette) {
    uint8_t entry[kPaletteEntryBytes];
    for (uint64_t i = 0; i < count; ++i) {
        if (!in.Read(entry, sizeof entry)) return false;
        if (i < kMaxPaletteEntries) palette[i] = {entry[0], entry[1], entry[2]};
    }
    return true;
}

// Rows in the file: a negative height counts top-down rows.
uint32_t RowCount(const Header& h) {
    return int32_t(h.height) < 0 ? uint32_t(-int64_t(int32_t(h.height))) : h.height;
}

// Bytes of one row in the file, padded to 4.
uint64_t FileRowBytes(const Header& h) {
    return (uint64_t(h.width) * h.bits + kRowAlignBits - 1) / kRowAlignBits * 4;
}

// Turns one file row of 1, 4 or 8 bits per pixel into blue-green-red pixels, most significant bits first.
void ExpandRow(const uint8_t* source, uint32_t width, uint32_t bits, const Palette& palette, uint8_t* out) {
    if (bits == 8) {
        for (uint32_t x = 0; x < width; ++x, out += kBytesPerPixel)
            std::copy_n(palette[source[x]].data(), kBytesPerPixel, out);
        return;
    }
    const uint32_t mask = (1u << bits) - 1;
    const uint32_t perByte = 8 / bits;
    for (uint32_t x = 0; x < width; ++x, out += kBytesPerPixel) {
        const uint32_t shift = 8 - bits * (x % perByte + 1);
        std::copy_n(palette[(source[x / perByte] >> shift) & mask].data(), kBytesPerPixel, out);
    }
}

// The pixel rows into out (width x 3 bytes a row, bottom row first); false when the file ends early.
bool ReadRows(ByteReader& in, const Header& h, const Palette& palette, uint8_t* out) {
    const bool topDown = int32_t(h.height) < 0;
    const uint32_t width = h.width;
    const uint32_t height = RowCount(h);
    const size_t rowBytes = size_t(width) * kBytesPerPixel;
    const uint64_t fileRowBytes = FileRowBytes(h);
    // Unpadded bottom-up true colour is the holder's layout already: one read.
    if (h.bits == 24 && fileRowBytes == rowBytes && !topDown) return in.Read(out, rowBytes * height);
    // Rows of no pixels take no bytes: nothing to read however many the header counts.
    if (rowBytes == 0 || height == 0) return true;
    std::vector<uint8_t> fileRow(h.bits == 24 ? 0 : size_t(fileRowBytes));
    for (uint32_t r = 0; r < height; ++r) {
        uint8_t* row = out + rowBytes * (topDown ? height - 1 - r : r);
        if (h.bits == 24) {
            if (!in.Read(row, rowBytes) || !in.Skip(fileRowBytes - rowBytes)) return false;
        } else {
            if (!in.Read(fileRow.data(), fileRow.size())) return false;
            ExpandRow(fileRow.data(), width, h.bits, palette, row);
        }
    }
    return true;
}

bool Decode(ByteReader& in, PictureHolder& holder) {
    uint8_t b = 0, m = 0;
    if (!in.Byte(b) || !in.Byte(m)) return Fail(kReadError);
    if (b != 'B' || m != 'M') return Fail(kNotBmp);
    Header h;
    if (!ReadHeader(in, h)) return Fail(kReadError);
    // Compression is judged first, whatever the header size, as the 40-byte layout puts it: a 12-byte
    // OS/2 header whose bytes there are not 0 is called compressed too.
    if (h.compression != 0) return Fail(kCompressed);
    // Headers of another layout (the 12-byte OS/2 one) would make every later field meaningless.
    if (!KnownHeader(h.headerBytes)) return Fail(kBadHeader);
    if (int32_t(h.width) < 0) return Fail(kNotBmp);
    if (!KnownDepth(h.bits)) return Fail(kBadDepth);
    if (!in.Skip(h.headerBytes - kInfoHeaderBytes)) return Fail(kReadError);

    Palette palette{};
    uint64_t counted = kFileHeaderBytes + h.headerBytes;
    if (h.bits <= 8) {
        const uint64_t colours = h.coloursUsed ? h.coloursUsed : uint64_t(1) << h.bits;
        if (!ReadPalette(in, colours, palette)) return Fail(kReadError);
        counted += kPaletteEntryBytes * colours;
    }
    if (counted > h.dataOffset) return Fail(kCorruptPalette);
    if (!in.Skip(h.dataOffset - counted)) return Fail(kReadError);

    const uint32_t width = h.width;
    const uint32_t height = RowCount(h);
    const uint64_t pixels = uint64_t(width) * height;
    // A side of 0 pixels still counts as one, so that the other side is bounded as well: an empty
    // picture 2^31 pixels wide would otherwise pass and be worked on row by row later.
    if (uint64_t(std::max(width, 1u)) * std::max(height, 1u) > kMaxPicturePixels) {
        holder.ReplacePixels(width, height, nullptr);
        return Fail(kAllocFailed);
    }
    // A file too short for its rows would fail on a row read; it is known now, before the allocation.
    if (FileRowBytes(h) * height > in.Remaining()) return Fail(kReadError);
    std::unique_ptr<uint8_t[]> pixelsOut(new (std::nothrow) uint8_t[size_t(pixels) * kBytesPerPixel]);
    if (!pixelsOut) {
        holder.ReplacePixels(width, height, nullptr);
        return Fail(kAllocFailed);
    }
    if (!ReadRows(in, h, palette, pixelsOut.get())) return Fail(kReadError);
    holder.ReplacePixels(width, height, std::move(pixelsOut));
    return true;
}

// Memory short of a row or of the holder's padded copy is the pixel buffer's failure too.
bool DecodeOrOutOfMemory(ByteReader& in, PictureHolder& holder) {
    try {
        return Decode(in, holder);
    } catch (const std::bad_alloc&) {
        return Fail(kAllocFailed);
    }
}
} // namespace

bool LoadBmp(const char* path, PictureHolder& holder) {
    const std::string name = path ? path : "";
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return Fail(kCantOpen + name);
    ByteReader in(file);
    const bool loaded = DecodeOrOutOfMemory(in, holder);
    std::fclose(file);
    return loaded;
}

bool LoadBmpFromMemory(const uint8_t* data, size_t size, PictureHolder& holder) {
    ByteReader in(data, size);
    return DecodeOrOutOfMemory(in, holder);
}
