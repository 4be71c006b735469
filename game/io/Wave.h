#pragma once
#include <cstdint>
#include <span>
#include <vector>

// The format record of a WAV file, with the extra bytes that non-PCM formats carry behind it.
struct WaveFormat {
    static constexpr uint16_t kTagPcm = 1;
    static constexpr uint16_t kTagExtensible = 0xFFFE;

    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
    std::vector<uint8_t> extra; // extraSize bytes
};

enum WaveResult {
    kWaveOk = 0,
    kWaveOpenFailed = -1,
    kWaveBadFormat = -2, // no RIFF/WAVE header or no usable "fmt " chunk; shows nothing
    kWaveNoData = -3,    // no "data" chunk: shows "2 %d %d" and "OPENFILE3"
    kWaveDataCut = -4,   // the "data" chunk runs past its parent: shows "OPENFILE2"
};

// Reads one WAV: its format and its sample bytes. Chunk sizes are never trusted: a chunk that runs past the
// RIFF chunk or the bytes at hand is an error, not a read.
class Archive;

class Wave {
public:
    // Reads the entry `name` of the archive in place, or the file `name` when there is no archive.
    int Load(const char* name, const Archive* archive);
    // Reads a WAV held in memory. `entryOffset` is where these bytes start inside their archive; the message
    // about a missing "data" chunk shows it.
    int LoadBytes(std::span<const uint8_t> bytes, int entryOffset);

    bool HasFormat() const { return hasFormat_; }
    const WaveFormat& Format() const { return format_; }
    const std::vector<uint8_t>& Data() const { return data_; }
    uint32_t Size() const { return size_; }

private:
    void Free();
    bool ReadFormat(std::span<const uint8_t> bytes, size_t riffEnd);

    bool hasFormat_ = false;
    WaveFormat format_;
    std::vector<uint8_t> data_;
    uint32_t size_ = 0;
};
