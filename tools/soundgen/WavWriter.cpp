#include "tools/soundgen/WavWriter.h"

namespace soundgen {

namespace {
constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kChannels = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
constexpr uint32_t kFmtChunkSize = 16;
constexpr uint32_t kRiffOverhead = 4 + 8 + kFmtChunkSize + 8; // "WAVE", fmt chunk, data chunk header

void Le(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Tag(std::vector<uint8_t>& out, const char* id) {
    out.insert(out.end(), id, id + 4);
}
} // namespace

std::vector<uint8_t> EncodeWavMono16(std::span<const int16_t> samples, uint32_t sampleRate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * kBlockAlign);
    std::vector<uint8_t> out;
    out.reserve(kRiffOverhead + 8 + dataBytes);
    Tag(out, "RIFF");
    Le(out, kRiffOverhead + dataBytes, 4);
    Tag(out, "WAVE");
    Tag(out, "fmt ");
    Le(out, kFmtChunkSize, 4);
    Le(out, kFormatPcm, 2);
    Le(out, kChannels, 2);
    Le(out, sampleRate, 4);
    Le(out, sampleRate * kBlockAlign, 4);
    Le(out, kBlockAlign, 2);
    Le(out, kBitsPerSample, 2);
    Tag(out, "data");
    Le(out, dataBytes, 4);
    for (int16_t s : samples) Le(out, static_cast<uint16_t>(s), 2);
    return out;
}

} // namespace soundgen
