#include "tools/pairs/PairMap.h"

namespace {
constexpr size_t kRecordSize = 16;

void PutLe32(std::vector<uint8_t>& out, size_t at, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

int32_t GetLe32(const std::vector<uint8_t>& in, size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) {
        const uint8_t byte = at + i < in.size() ? in[at + i] : 0;
        v |= uint32_t(byte) << (8 * i);
    }
    return static_cast<int32_t>(v);
}
} // namespace

std::vector<uint8_t> EncodeMap(const DifferenceMap& map) {
    std::vector<uint8_t> out(kMapFileSize, 0);
    for (size_t k = 0; k < map.size(); ++k) {
        PutLe32(out, k * kRecordSize, map[k].left);
        PutLe32(out, k * kRecordSize + 4, map[k].top);
        PutLe32(out, k * kRecordSize + 8, map[k].right);
        PutLe32(out, k * kRecordSize + 12, map[k].bottom);
    }
    return out;
}

DifferenceMap DecodeMap(const std::vector<uint8_t>& bytes) {
    DifferenceMap map{};
    for (size_t k = 0; k < map.size(); ++k) {
        map[k] = {GetLe32(bytes, k * kRecordSize), GetLe32(bytes, k * kRecordSize + 4),
                  GetLe32(bytes, k * kRecordSize + 8), GetLe32(bytes, k * kRecordSize + 12)};
    }
    return map;
}
