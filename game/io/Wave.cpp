#include "game/io/Wave.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "game/gfx/Archive.h"
#include "game/gfx/ShowError.h"
#include "game/io/RiffChunks.h"

namespace {
constexpr size_t kRiffFormOffset = 8;
constexpr size_t kRiffChunksOffset = 12; // right after the form type
constexpr uint32_t kPcmFormatSize = 16;
constexpr uint32_t kExtraSizeField = 2;
} // namespace

void Wave::Free() {
    hasFormat_ = false;
    format_ = WaveFormat{};
    data_.clear();
    data_.shrink_to_fit();
    size_ = 0;
}

int Wave::Load(const char* name, const Archive* archive) {
    Free();
    std::vector<uint8_t> bytes;
    if (archive) {
        const int offset = archive->FindOffset(name);
        if (offset < 0 || !archive->ReadEntry(name, bytes)) return kWaveOpenFailed;
        return LoadBytes(bytes, offset);
    }
    std::ifstream in(name, std::ios::binary);
    if (!in) return kWaveOpenFailed;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return LoadBytes(bytes, 0);
}

bool Wave::ReadFormat(std::span<const uint8_t> bytes, size_t riffEnd) {
    const auto fmt = FindChunk(bytes, kRiffChunksOffset, riffEnd, FourCC("fmt "));
    if (!fmt || !fmt->FitsIn(riffEnd) || fmt->size < kPcmFormatSize) return false;
    const size_t at = fmt->dataOffset;
    WaveFormat format;
    format.formatTag = ReadLe16(bytes, at);
    format.channels = ReadLe16(bytes, at + 2);
    format.samplesPerSec = ReadLe32(bytes, at + 4);
    format.avgBytesPerSec = ReadLe32(bytes, at + 8);
    format.blockAlign = ReadLe16(bytes, at + 12);
    format.bitsPerSample = ReadLe16(bytes, at + 14);
    // PCM ignores whatever follows the 16 bytes. A non-PCM record of only 16 bytes has no extra-size field:
    // it counts as 0 rather than being read from the next chunk.
    if (format.formatTag != WaveFormat::kTagPcm && fmt->size >= kPcmFormatSize + kExtraSizeField) {
        format.extraSize = ReadLe16(bytes, at + kPcmFormatSize);
        const size_t extraAt = at + kPcmFormatSize + kExtraSizeField;
        if (format.extraSize > fmt->size - kPcmFormatSize - kExtraSizeField) return false;
        format.extra.assign(bytes.begin() + extraAt, bytes.begin() + extraAt + format.extraSize);
    }
    format_ = std::move(format);
    hasFormat_ = true;
    return true;
}

int Wave::LoadBytes(std::span<const uint8_t> bytes, int entryOffset) {
    Free();
    if (bytes.size() < kRiffChunksOffset || ReadLe32(bytes, 0) != FourCC("RIFF") ||
        ReadLe32(bytes, kRiffFormOffset) != FourCC("WAVE"))
        return kWaveBadFormat;
    // A RIFF size beyond the bytes at hand is common in the wild; the bytes bound it.
    const size_t riffEnd = std::min<size_t>(bytes.size(), size_t{ReadLe32(bytes, 4)} + kRiffFormOffset);
    if (!ReadFormat(bytes, riffEnd)) {
        Free();
        return kWaveBadFormat;
    }
    const auto data = FindChunk(bytes, kRiffChunksOffset, riffEnd, FourCC("data"));
    if (!data) {
        ShowError("2 %d %d", entryOffset, static_cast<int>(int64_t{entryOffset} + int64_t{kRiffChunksOffset}));
        ShowError("OPENFILE3");
        Free();
        return kWaveNoData;
    }
    if (!data->FitsIn(riffEnd)) {
        ShowError("OPENFILE2");
        Free();
        return kWaveDataCut;
    }
    data_.assign(bytes.begin() + data->dataOffset, bytes.begin() + data->dataOffset + data->size);
    size_ = data->size;
    return kWaveOk;
}
