#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds WAV files byte by byte, so that tests can state every chunk size they want.
struct WavChunk {
    std::string id;
    std::vector<uint8_t> body;
    bool padded = true; // an odd-sized body gets its pad byte
};

inline void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A "fmt " body: the 16-byte PCM record, then the extra-size field and the extra bytes when given.
inline std::vector<uint8_t> FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                                    const std::vector<uint8_t>* extra = nullptr) {
    std::vector<uint8_t> body;
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    PutLe(body, tag, 2);
    PutLe(body, channels, 2);
    PutLe(body, rate, 4);
    PutLe(body, rate * align, 4);
    PutLe(body, align, 2);
    PutLe(body, bits, 2);
    if (extra) {
        PutLe(body, static_cast<uint32_t>(extra->size()), 2);
        body.insert(body.end(), extra->begin(), extra->end());
    }
    return body;
}

inline std::vector<uint8_t> ChunkBytes(const WavChunk& chunk, uint32_t declaredSize) {
    std::vector<uint8_t> out(chunk.id.begin(), chunk.id.end());
    PutLe(out, declaredSize, 4);
    out.insert(out.end(), chunk.body.begin(), chunk.body.end());
    if (chunk.padded && chunk.body.size() % 2) out.push_back(0);
    return out;
}

// "RIFF", its size (the true one unless given), "WAVE", then the chunks.
inline std::vector<uint8_t> RiffWave(const std::vector<WavChunk>& chunks, int64_t riffSize = -1) {
    std::vector<uint8_t> inner = {'W', 'A', 'V', 'E'};
    for (const WavChunk& chunk : chunks) {
        const std::vector<uint8_t> bytes = ChunkBytes(chunk, static_cast<uint32_t>(chunk.body.size()));
        inner.insert(inner.end(), bytes.begin(), bytes.end());
    }
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    PutLe(out, riffSize >= 0 ? static_cast<uint32_t>(riffSize) : static_cast<uint32_t>(inner.size()), 4);
    out.insert(out.end(), inner.begin(), inner.end());
    return out;
}

// A 16-bit mono PCM file at `rate` whose every sample is `value`.
inline std::vector<uint8_t> ConstantWav16(uint32_t rate, size_t frames, int16_t value) {
    std::vector<uint8_t> samples;
    for (size_t i = 0; i < frames; ++i) PutLe(samples, static_cast<uint16_t>(value), 2);
    return RiffWave({{"fmt ", FmtBody(1, 1, rate, 16)}, {"data", samples}});
}
