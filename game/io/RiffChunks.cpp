#include "game/io/RiffChunks.h"

uint16_t ReadLe16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

uint32_t ReadLe32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(ReadLe16(bytes, at)) | static_cast<uint32_t>(ReadLe16(bytes, at + 2)) << 16;
}

std::optional<RiffChunk> FindChunk(std::span<const uint8_t> bytes, size_t begin, size_t end, uint32_t id) {
    if (end > bytes.size()) end = bytes.size();
    size_t at = begin;
    while (at <= end && end - at >= kChunkHeaderSize) {
        RiffChunk chunk{ReadLe32(bytes, at), at + kChunkHeaderSize, ReadLe32(bytes, at + 4)};
        if (chunk.id == id) return chunk;
        if (!chunk.FitsIn(end)) return std::nullopt;
        at = chunk.dataOffset + chunk.size + (chunk.size & 1);
    }
    return std::nullopt;
}
