#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The pieces of a RIFF file: chunks of a four-character id, a little-endian 32-bit size and that many bytes,
// followed by a pad byte when the size is odd.
constexpr size_t kChunkHeaderSize = 8;

constexpr uint32_t FourCC(const char (&id)[5]) {
    return static_cast<uint32_t>(static_cast<uint8_t>(id[0])) |
           static_cast<uint32_t>(static_cast<uint8_t>(id[1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(id[2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(id[3])) << 24;
}

uint16_t ReadLe16(std::span<const uint8_t> bytes, size_t at);
uint32_t ReadLe32(std::span<const uint8_t> bytes, size_t at);

struct RiffChunk {
    uint32_t id = 0;
    size_t dataOffset = 0; // first byte after the header
    uint32_t size = 0;     // as declared; check FitsIn before reading

    bool FitsIn(size_t end) const { return dataOffset <= end && size <= end - dataOffset; }
};

// Looks for the chunk `id` among the chunks laid end to end from `begin` up to `end` (`end` within `bytes`).
// The chunk found is answered even when its declared size runs past `end`; another chunk that does so ends the
// search, since nothing behind it can be trusted.
std::optional<RiffChunk> FindChunk(std::span<const uint8_t> bytes, size_t begin, size_t end, uint32_t id);
