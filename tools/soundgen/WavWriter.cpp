#include "tools/soundgen/WavWriter.h"

namespace soundgen {

namespace {
constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kChannels = 1;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
constexpr uint32_t kFmtChunkSize = 16;
constexpr uint32_t kRiffOverhead = 4 + 8 + kFmtChunkSize + 8; // "WAVE", fmt chunk, data chunk header

constexpr size_t kHeaderSize = 44;

// Writes little-endian values and four-character tags into a buffer of known size.
class Writer {
  public:
    explicit Writer(std::vector<uint8_t>& out) : out_(out) {}
    void Le(uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out_[pos_++] = static_cast<uint8_t>(v >> (8 * i));
    }
    void Tag(const char* id) {
        for (int i = 0; i < 4; ++i) out_[pos_++] = static_cast<uint8_t>(id[i]);
    }

  private:
    std::vector<uint8_t>& out_;
    size_t pos_ = 0;
};
} // namespace

std::vector<uint8_t> EncodeWavMono16(std::span<const int16_t> samples, uint32_t sampleRate) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * kBlockAlign);
    std::vector<uint8_t> out(kHeaderSize + dataBytes);
    Writer w(out);
    w.Tag("RIFF");
    w.Le(kRiffOverhead + dataBytes, 4);
    w.Tag("WAVE");
    w.Tag("fmt ");
    w.Le(kFmtChunkSize, 4);
    w.Le(kFormatPcm, 2);
    w.Le(kChannels, 2);
    w.Le(sampleRate, 4);
    w.Le(sampleRate * kBlockAlign, 4);
    w.Le(kBlockAlign, 2);
    w.Le(kBitsPerSample, 2);
    w.Tag("data");
    w.Le(dataBytes, 4);
    for (int16_t sample : samples) w.Le(static_cast<uint16_t>(sample), 2);
    return out;
}

} // namespace soundgen
