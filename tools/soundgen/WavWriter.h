#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace soundgen {

// A canonical mono 16-bit PCM WAV file: "RIFF" size "WAVE", a 16-byte "fmt " chunk and the
// "data" chunk, little-endian, 44 bytes of header before the samples.
std::vector<uint8_t> EncodeWavMono16(std::span<const int16_t> samples, uint32_t sampleRate);

} // namespace soundgen
