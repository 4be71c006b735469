#include "codecs/GifFile.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "codecs/ByteReader.h"
#include "codecs/PictureLimits.h"

namespace {
constexpr size_t kMagicBytes = 6;
constexpr size_t kScreenBytes = 7;
constexpr size_t kDescriptorBytes = 9;
constexpr uint8_t kExtensionIntroducer = '!';
constexpr uint8_t kImageIntroducer = ',';
constexpr uint8_t kMapPresent = 0x80;
constexpr uint8_t kInterlaced = 0x40;
constexpr uint8_t kMapSizeBits = 0x07;
constexpr uint32_t kBytesPerPixel = 3;
constexpr const char* kOutOfMemory = "Out of Memory in GIFRead";
constexpr int kScreenFlagsAt = 4;
constexpr int kWidthAt = 4, kHeightAt = 6, kImageFlagsAt = 8;

// The four passes of an interlaced image: first row and step of each.
constexpr uint32_t kPassStart[] = {0, 4, 2, 1};
constexpr uint32_t kPassStep[] = {8, 8, 4, 2};
constexpr int kPasses = 4;

uint32_t Le16(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}

// Reads 2^(size + 1) entries of red, green, blue; entries after them stay black.
bool ReadColorMap(ByteReader& in, uint8_t flags, GifFile::ColorMap& map) {
    map = {};
    const uint32_t entries = 1u << ((flags & kMapSizeBits) + 1);
    uint8_t rgb[256 * kBytesPerPixel];
    if (!in.Read(rgb, entries * kBytesPerPixel)) return false;
    for (uint32_t i = 0; i < entries; ++i) {
        map.red[i] = rgb[i * 3];
        map.green[i] = rgb[i * 3 + 1];
        map.blue[i] = rgb[i * 3 + 2];
    }
    return true;
}

// Drops data sub-blocks up to the empty one that ends them (or the end of the file).
void SkipSubBlocks(ByteReader& in) {
    uint8_t length = 0;
    while (in.Byte(length) && length != 0 && in.Skip(length)) {
    }
}

// The order in which an image's rows arrive: top to bottom, or the four passes of interlacing.
class RowOrder {
  public:
    RowOrder(uint32_t height, bool interlaced) : height_(height), interlaced_(interlaced) {
        done_ = height == 0;
    }
    bool Done() const { return done_; }
    uint32_t Row() const { return row_; }
    void Advance() {
        if (!interlaced_) {
            done_ = ++row_ >= height_;
            return;
        }
        row_ += kPassStep[pass_];
        // A pass whose first row is not above the bottom has no rows.
        while (row_ >= height_) {
            if (++pass_ == kPasses) {
                done_ = true;
                return;
            }
            row_ = kPassStart[pass_];
        }
    }

  private:
    uint32_t height_;
    bool interlaced_;
    uint32_t row_ = 0;
    int pass_ = 0;
    bool done_ = false;
};
} // namespace

std::unique_ptr<uint8_t[]> GifFile::Fail(const std::string& text) {
    m_errorText = text;
    return nullptr;
}

std::unique_ptr<uint8_t[]> GifFile::GIFRead(const char* name, uint32_t* width, uint32_t* height) {
    if (!name || !*name) return Fail("No Name Given");
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return Fail(std::string("Cant open GIF :\n") + name);
    ByteReader in(file);
    std::unique_ptr<uint8_t[]> rgb = ReadOrOutOfMemory(in, name, width, height);
    std::fclose(file);
    return rgb;
}

std::unique_ptr<uint8_t[]> GifFile::GIFReadFromMemory(const uint8_t* data, size_t size, uint32_t* width,
                                                      uint32_t* height) {
    ByteReader in(data, size);
    return ReadOrOutOfMemory(in, "", width, height);
}

// A row's scratch values that cannot be had fail as the pixel buffer does.
std::unique_ptr<uint8_t[]> GifFile::ReadOrOutOfMemory(ByteReader& in, const std::string& name,
                                                      uint32_t* width, uint32_t* height) {
    try {
        return Read(in, name, width, height);
    } catch (const std::bad_alloc&) {
        return Fail(kOutOfMemory);
    }
}

std::unique_ptr<uint8_t[]> GifFile::Read(ByteReader& in, const std::string& name, uint32_t* width,
                                         uint32_t* height) {
    uint8_t magic[kMagicBytes];
    if (!in.Read(magic, sizeof magic)) return Fail("Error reading GIF Magic #\n" + name);
    if (std::memcmp(magic, "GIF", 3) != 0) return Fail("Error, " + name + " is not a valid .GIF file");
    if (std::memcmp(magic + 3, "87a", 3) != 0 && std::memcmp(magic + 3, "89a", 3) != 0)
        return Fail("Error, Bad GIF Version number");
    uint8_t screen[kScreenBytes];
    if (!in.Read(screen, sizeof screen))
        return Fail("Error, failed to GIF read screen descriptor.\nGiving up");
    globalMap_ = {};
    if ((screen[kScreenFlagsAt] & kMapPresent) && !ReadColorMap(in, screen[kScreenFlagsAt], globalMap_))
        return Fail("Error reading GIF colormap");
    for (;;) {
        uint8_t introducer = 0;
        if (!in.Byte(introducer)) return Fail("Unexpected EOF in GIF.\nGiving up");
        if (introducer == kExtensionIntroducer) {
            uint8_t label = 0;
            if (!in.Byte(label)) return Fail("Error on extension read.\nGiving up");
            SkipSubBlocks(in);
        } else if (introducer == kImageIntroducer) {
            return ReadImage(in, width, height);
        }
        // Any other byte, the trailer included, is passed over.
    }
}

std::unique_ptr<uint8_t[]> GifFile::ReadImage(ByteReader& in, uint32_t* width, uint32_t* height) {
    uint8_t descriptor[kDescriptorBytes];
    if (!in.Read(descriptor, sizeof descriptor)) return Fail("Error on dimension read\nGiving up");
    const uint32_t w = Le16(descriptor + kWidthAt), h = Le16(descriptor + kHeightAt);
    const uint8_t flags = descriptor[kImageFlagsAt];
    const uint64_t pixels = uint64_t(w) * h;
    std::unique_ptr<uint8_t[]> rgb(pixels > kMaxPicturePixels ? nullptr
                                                              : new (std::nothrow) uint8_t[pixels * 3]);
    if (!rgb) return Fail(kOutOfMemory);
    const bool local = flags & kMapPresent;
    if (local && !ReadColorMap(in, flags, localMap_)) return Fail("Error reading GIF colormap\nGiving up");
    if (!DecodeImage(in, local ? localMap_ : globalMap_, w, h, flags & kInterlaced, rgb.get()))
        return Fail(local ? "Error reading GIF file\nLocalColorMap\nGiving up"
                          : "Error reading GIF file\nGIFScreen Colormap\nGiving up");
    *width = w;
    *height = h;
    return rgb;
}

bool GifFile::DecodeImage(ByteReader& in, const ColorMap& map, uint32_t width, uint32_t height,
                          bool interlaced, uint8_t* rgb) {
    uint8_t minimumCodeSize = 0;
    if (!in.Byte(minimumCodeSize) || !lzw_.Start(in, minimumCodeSize)) return false;
    const size_t rowBytes = size_t(width) * kBytesPerPixel;
    std::vector<uint8_t> values(width);
    RowOrder order(height, interlaced);
    bool dataLeft = true;
    for (; !order.Done(); order.Advance()) {
        uint8_t* out = rgb + rowBytes * order.Row();
        // Once the data has ended, the rows still to come are black.
        const size_t got = dataLeft ? lzw_.Read(values.data(), width) : 0;
        if (lzw_.Failed()) return false;
        for (size_t x = 0; x < got; ++x, out += kBytesPerPixel) {
            const uint8_t v = values[x];
            out[0] = map.red[v];
            out[1] = map.green[v];
            out[2] = map.blue[v];
        }
        std::memset(out, 0, (width - got) * kBytesPerPixel);
        dataLeft = got == width;
    }
    return true;
}
