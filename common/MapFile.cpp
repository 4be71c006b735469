#include "common/MapFile.h"

#include <algorithm>
#include <cstdio>

namespace {
void PutLe32(uint8_t* out, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(v >> (8 * i));
}

int32_t GetLe32(std::span<const uint8_t> in, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) {
        const uint8_t byte = at + i < in.size() ? in[at + i] : 0;
        v |= uint32_t(byte) << (8 * i);
    }
    return static_cast<int32_t>(v);
}
} // namespace

std::vector<uint8_t> EncodeMap(const MapRecords& map) {
    std::vector<uint8_t> out(kMapFileBytes, 0);
    for (size_t k = 0; k < map.size(); ++k) {
        uint8_t* record = out.data() + k * kMapRecordBytes;
        PutLe32(record, map[k].left);
        PutLe32(record + 4, map[k].top);
        PutLe32(record + 8, map[k].right);
        PutLe32(record + 12, map[k].bottom);
    }
    return out;
}

MapRecords DecodeMap(std::span<const uint8_t> bytes) {
    MapRecords map{};
    for (size_t k = 0; k < map.size(); ++k) {
        const size_t at = k * kMapRecordBytes;
        map[k] = {GetLe32(bytes, at), GetLe32(bytes, at + 4), GetLe32(bytes, at + 8),
                  GetLe32(bytes, at + 12)};
    }
    return map;
}

int CompleteMapRecords(size_t size) {
    return static_cast<int>(std::min(size, kMapFileBytes) / kMapRecordBytes);
}

bool ReadMapFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bytes.resize(kMapFileBytes);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

Written WriteMapFile(const std::string& path, const MapRecords& map, std::string& error) {
    return WriteFileOrInPlace(path, EncodeMap(map), error);
}
