#pragma once
// GIF files built byte by byte for the reader's tests, fuzz seeds and benchmark: a real LZW encoder
// and a builder for the blocks around it.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/support/PictureFiles.h"

// Cuts LZW data into sub-blocks of up to 255 bytes, ending with the empty block.
inline std::vector<uint8_t> SubBlocks(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> blocks;
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t n = std::min<size_t>(255, data.size() - at);
        blocks.push_back(uint8_t(n));
        blocks.insert(blocks.end(), data.begin() + long(at), data.begin() + long(at + n));
    }
    blocks.push_back(0);
    return blocks;
}

// Packs codes, each of the width given with it, least significant bit first.
struct SizedCode {
    uint32_t code;
    uint32_t bits;
};
inline std::vector<uint8_t> PackCodes(const std::vector<SizedCode>& codes) {
    std::vector<uint8_t> data;
    uint32_t buffer = 0, count = 0;
    for (const SizedCode& c : codes)
        for (buffer |= c.code << count, count += c.bits; count >= 8; count -= 8, buffer >>= 8)
            data.push_back(uint8_t(buffer));
    if (count) data.push_back(uint8_t(buffer));
    return data;
}

// Encodes values (each below 2^minCodeSize) as GIF LZW data sub-blocks ending with the empty block. With
// clearWhenFull false the encoder goes on with a full table instead of clearing it.
inline std::vector<uint8_t> LzwEncode(const std::vector<uint8_t>& values, int minCodeSize,
                                      bool clearWhenFull = true) {
    const uint32_t clear = 1u << minCodeSize, end = clear + 1, kTable = 4096;
    std::vector<SizedCode> codes;
    // The code width, and the count of codes since the clear (from clear + 2): every code written makes
    // an entry, and the width grows once that count passes the codes the width can hold.
    uint32_t width = minCodeSize + 1, counted = clear + 2;
    auto write = [&](uint32_t code) { codes.push_back({code, width}); };
    auto emit = [&](uint32_t code) {
        write(code);
        if (++counted > (1u << width) && width < 12) ++width;
    };
    std::map<uint32_t, uint32_t> table;
    uint32_t next = clear + 2;
    auto reset = [&] {
        write(clear);
        width = minCodeSize + 1;
        counted = next = clear + 2;
        table.clear();
    };
    reset();
    if (!values.empty()) {
        uint32_t prefix = values[0];
        for (size_t i = 1; i < values.size(); ++i) {
            const uint32_t key = prefix << 8 | values[i];
            if (auto it = table.find(key); it != table.end()) {
                prefix = it->second;
                continue;
            }
            emit(prefix);
            if (next < kTable)
                table[key] = next++;
            else if (clearWhenFull)
                reset();
            prefix = values[i];
        }
        emit(prefix);
    }
    write(end);
    return SubBlocks(PackCodes(codes));
}

// Colour map flag bits for a map of 2^(bits + 1) entries, and the map's bytes padded to that size.
inline uint8_t MapSizeBits(size_t entries) {
    uint8_t bits = 0;
    while ((2u << bits) < entries) ++bits;
    return bits;
}
inline void AppendMap(std::vector<uint8_t>& out, const std::vector<Rgb>& map) {
    const size_t entries = size_t(2) << MapSizeBits(map.size());
    for (size_t i = 0; i < entries; ++i) {
        const Rgb c = i < map.size() ? map[i] : Rgb{0, 0, 0};
        out.insert(out.end(), {c.r, c.g, c.b});
    }
}

struct GifImage {
    uint16_t left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    std::vector<Rgb> localMap;   // none when empty
    std::vector<uint8_t> values; // in the order stored (pass order when interlaced)
    int minCodeSize = 8;
};

inline std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class GifBuilder {
  public:
    GifBuilder(uint16_t width, uint16_t height, const std::vector<Rgb>& globalMap,
               const char* version = "89a") {
        bytes.insert(bytes.end(), {'G', 'I', 'F'});
        bytes.insert(bytes.end(), version, version + 3);
        PutLe16(width);
        PutLe16(height);
        bytes.push_back(uint8_t(globalMap.empty() ? 0 : 0x80 | MapSizeBits(globalMap.size())));
        bytes.insert(bytes.end(), {0, 0});
        if (!globalMap.empty()) AppendMap(bytes, globalMap);
    }
    GifBuilder& Extension(uint8_t label, const std::vector<uint8_t>& payload) {
        bytes.insert(bytes.end(), {'!', label, uint8_t(payload.size())});
        bytes.insert(bytes.end(), payload.begin(), payload.end());
        bytes.push_back(0);
        return *this;
    }
    GifBuilder& Image(const GifImage& im) { return RawImage(im, LzwEncode(im.values, im.minCodeSize)); }
    // An image whose data sub-blocks are given as they are (im.values unused).
    GifBuilder& RawImage(const GifImage& im, const std::vector<uint8_t>& subBlocks) {
        bytes.push_back(',');
        PutLe16(im.left);
        PutLe16(im.top);
        PutLe16(im.width);
        PutLe16(im.height);
        uint8_t flags = im.interlaced ? 0x40 : 0;
        if (!im.localMap.empty()) flags |= 0x80 | MapSizeBits(im.localMap.size());
        bytes.push_back(flags);
        if (!im.localMap.empty()) AppendMap(bytes, im.localMap);
        bytes.push_back(uint8_t(im.minCodeSize));
        bytes.insert(bytes.end(), subBlocks.begin(), subBlocks.end());
        return *this;
    }
    std::vector<uint8_t> Done() {
        bytes.push_back(';');
        return bytes;
    }
    std::vector<uint8_t> bytes;

  private:
    void PutLe16(uint16_t v) { bytes.insert(bytes.end(), {uint8_t(v), uint8_t(v >> 8)}); }
};
