#include "tools/soundgen/SmfReader.h"

#include <algorithm>
#include <cstring>

namespace soundgen {

namespace {
constexpr uint32_t kDefaultTempo = 500000;
constexpr uint8_t kMetaTempo = 0x51;
constexpr int kMaxVarLenBytes = 4;

class Cursor {
  public:
    explicit Cursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    size_t Left() const { return bytes_.size() - pos_; }
    bool Byte(uint8_t& v) {
        if (AtEnd()) return false;
        v = bytes_[pos_++];
        return true;
    }
    bool Be(uint32_t& v, int count) {
        if (Left() < size_t(count)) return false;
        v = 0;
        for (int i = 0; i < count; ++i) v = (v << 8) | bytes_[pos_++];
        return true;
    }
    bool VarLen(uint32_t& v) {
        v = 0;
        for (int i = 0; i < kMaxVarLenBytes; ++i) {
            uint8_t b;
            if (!Byte(b)) return false;
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    bool Skip(uint32_t n) {
        if (Left() < n) return false;
        pos_ += n;
        return true;
    }
    std::span<const uint8_t> Take(uint32_t n) {
        auto s = bytes_.subspan(pos_, n);
        pos_ += n;
        return s;
    }
    bool Tag(const char* id) {
        if (Left() < 4 || std::memcmp(bytes_.data() + pos_, id, 4) != 0) return false;
        pos_ += 4;
        return true;
    }

  private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

int DataBytesOf(uint8_t status) {
    const uint8_t kind = status & 0xF0;
    return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

bool ReadTrack(std::span<const uint8_t> body, std::vector<SmfEvent>& events) {
    Cursor c(body);
    uint32_t tick = 0;
    uint8_t running = 0;
    while (!c.AtEnd()) {
        uint32_t delta;
        uint8_t first;
        if (!c.VarLen(delta) || !c.Byte(first)) return false;
        tick += delta;
        SmfEvent e;
        e.tick = tick;
        if (first == 0xFF) {
            uint32_t length;
            if (!c.Byte(e.metaType) || !c.VarLen(length) || c.Left() < length) return false;
            e.status = first;
            auto payload = c.Take(length);
            if (e.metaType == kMetaTempo && length == 3)
                e.tempo = (uint32_t(payload[0]) << 16) | (uint32_t(payload[1]) << 8) | payload[2];
            running = 0;
            events.push_back(e);
            continue;
        }
        if (first == 0xF0 || first == 0xF7) {
            uint32_t length;
            if (!c.VarLen(length) || !c.Skip(length)) return false;
            running = 0;
            continue;
        }
        if (first >= 0xF0) return false; // system common and real-time messages do not belong in files
        uint8_t data1;
        if (first & 0x80) {
            running = first;
            if (!c.Byte(data1)) return false;
        } else {
            if (running == 0) return false;
            data1 = first;
        }
        e.status = running;
        e.data1 = data1 & 0x7F;
        if (DataBytesOf(running) == 2) {
            if (!c.Byte(e.data2)) return false;
            e.data2 &= 0x7F;
        }
        events.push_back(e);
    }
    return true;
}
} // namespace

std::optional<SmfFile> ReadSmf(std::span<const uint8_t> bytes) {
    constexpr uint32_t kHeaderLength = 6;
    Cursor c(bytes);
    uint32_t headerLength, format, trackCount, division;
    if (!c.Tag("MThd") || !c.Be(headerLength, 4) || headerLength < kHeaderLength || !c.Be(format, 2) ||
        !c.Be(trackCount, 2) || !c.Be(division, 2) || !c.Skip(headerLength - kHeaderLength))
        return std::nullopt;
    if (format > 2 || (division & 0x8000) || division == 0) return std::nullopt;

    SmfFile file;
    file.format = static_cast<uint16_t>(format);
    file.ticksPerQuarter = static_cast<uint16_t>(division);
    while (file.tracks.size() < trackCount && !c.AtEnd()) {
        const bool isTrack = c.Tag("MTrk");
        if (!isTrack && !c.Skip(4)) return std::nullopt;
        uint32_t length;
        if (!c.Be(length, 4) || c.Left() < length) return std::nullopt;
        auto body = c.Take(length);
        if (!isTrack) continue;
        file.tracks.emplace_back();
        if (!ReadTrack(body, file.tracks.back())) return std::nullopt;
    }
    if (file.tracks.size() != trackCount) return std::nullopt;
    return file;
}

namespace {
struct TempoChange {
    uint32_t tick;
    uint32_t tempo;
};

// Converts ticks to seconds along the tempo changes of all tracks (sorted by tick).
class TempoMap {
  public:
    explicit TempoMap(const SmfFile& file) : ticksPerQuarter_(file.ticksPerQuarter) {
        for (const auto& track : file.tracks)
            for (const SmfEvent& e : track)
                if (e.status == 0xFF && e.metaType == kMetaTempo && e.tempo > 0)
                    changes_.push_back({e.tick, e.tempo});
        std::stable_sort(changes_.begin(), changes_.end(),
                         [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
    }
    double Seconds(uint32_t tick) const {
        double seconds = 0;
        uint32_t at = 0, tempo = kDefaultTempo;
        for (const TempoChange& ch : changes_) {
            if (ch.tick >= tick) break;
            seconds += Span(ch.tick - at, tempo);
            at = ch.tick;
            tempo = ch.tempo;
        }
        return seconds + Span(tick - at, tempo);
    }

  private:
    double Span(uint32_t ticks, uint32_t tempo) const {
        return double(ticks) * tempo / 1e6 / ticksPerQuarter_;
    }
    uint16_t ticksPerQuarter_;
    std::vector<TempoChange> changes_;
};
} // namespace

std::vector<TimedEvent> TimedChannelEvents(const SmfFile& file) {
    const TempoMap map(file);
    std::vector<std::pair<uint32_t, TimedEvent>> all;
    for (const auto& track : file.tracks)
        for (const SmfEvent& e : track)
            if (e.status < 0xF0) all.push_back({e.tick, {0, e.status, e.data1, e.data2}});
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TimedEvent> out;
    out.reserve(all.size());
    for (auto& [tick, e] : all) {
        e.seconds = map.Seconds(tick);
        out.push_back(e);
    }
    return out;
}

double DurationSeconds(const SmfFile& file) {
    uint32_t last = 0;
    for (const auto& track : file.tracks)
        if (!track.empty()) last = std::max(last, track.back().tick);
    return TempoMap(file).Seconds(last);
}

} // namespace soundgen
