#include "tools/soundgen/SmfWriter.h"

#include <algorithm>

namespace soundgen {

namespace {
constexpr uint8_t kNoteOff = 0x80;
constexpr uint8_t kNoteOn = 0x90;
constexpr uint8_t kControl = 0xB0;
constexpr uint8_t kProgram = 0xC0;
constexpr uint8_t kMeta = 0xFF;
constexpr uint8_t kMetaTrackName = 0x03;
constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kMetaTimeSignature = 0x58;
constexpr uint32_t kMaxVarLen = 0x0FFFFFFF;

enum Rank { kRankMeta, kRankControl, kRankNoteOff, kRankNoteOn };

uint8_t Data7(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 127));
}
uint8_t Channel(int c) {
    return static_cast<uint8_t>(std::clamp(c, 0, 15));
}

void AppendBe(Bytes& out, uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void AppendChunk(Bytes& out, const char* id, const Bytes& body) {
    out.insert(out.end(), id, id + 4);
    AppendBe(out, static_cast<uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

Bytes Meta(uint8_t type, const Bytes& payload) {
    Bytes b{kMeta, type};
    AppendVarLen(b, static_cast<uint32_t>(payload.size()));
    b.insert(b.end(), payload.begin(), payload.end());
    return b;
}
} // namespace

void AppendVarLen(Bytes& out, uint32_t n) {
    n = std::min(n, kMaxVarLen);
    uint8_t groups[4];
    int count = 0;
    do {
        groups[count++] = n & 0x7F;
        n >>= 7;
    } while (n != 0);
    for (int i = count - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(groups[i] | (i > 0 ? 0x80 : 0)));
}

void MidiTrack::Add(uint32_t tick, int rank, Bytes data) {
    events_.push_back({tick, rank, static_cast<uint32_t>(events_.size()), std::move(data)});
}

void MidiTrack::Note(uint32_t tick, uint32_t duration, int channel, int key, int velocity) {
    const uint8_t ch = Channel(channel);
    Add(tick, kRankNoteOn, {static_cast<uint8_t>(kNoteOn | ch), Data7(key), Data7(std::max(velocity, 1))});
    Add(tick + std::max<uint32_t>(duration, 1), kRankNoteOff,
        {static_cast<uint8_t>(kNoteOff | ch), Data7(key), 0});
}

void MidiTrack::ProgramChange(uint32_t tick, int channel, int program) {
    Add(tick, kRankControl, {static_cast<uint8_t>(kProgram | Channel(channel)), Data7(program)});
}

void MidiTrack::ControlChange(uint32_t tick, int channel, int controller, int value) {
    Add(tick, kRankControl,
        {static_cast<uint8_t>(kControl | Channel(channel)), Data7(controller), Data7(value)});
}

void MidiTrack::Tempo(uint32_t tick, uint32_t microsPerQuarter) {
    Bytes payload;
    AppendBe(payload, std::min<uint32_t>(microsPerQuarter, 0xFFFFFF), 3);
    Add(tick, kRankMeta, Meta(kMetaTempo, payload));
}

void MidiTrack::TimeSignature(uint32_t tick, int numerator, int denominatorPower) {
    constexpr uint8_t kClocksPerClick = 24;
    constexpr uint8_t kThirtySecondsPerQuarter = 8;
    Add(tick, kRankMeta,
        Meta(kMetaTimeSignature,
             {Data7(numerator), Data7(denominatorPower), kClocksPerClick, kThirtySecondsPerQuarter}));
}

void MidiTrack::TrackName(uint32_t tick, const std::string& name) {
    Add(tick, kRankMeta, Meta(kMetaTrackName, Bytes(name.begin(), name.end())));
}

Bytes MidiTrack::Encode() const {
    std::vector<const Event*> sorted;
    sorted.reserve(events_.size());
    for (const Event& e : events_) sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
        if (a->tick != b->tick) return a->tick < b->tick;
        if (a->rank != b->rank) return a->rank < b->rank;
        return a->order < b->order;
    });

    Bytes body;
    uint32_t now = 0;
    uint8_t runningStatus = 0;
    for (const Event* e : sorted) {
        AppendVarLen(body, e->tick - now);
        now = e->tick;
        const uint8_t status = e->data.front();
        const bool isChannelMessage = status < 0xF0;
        const bool omitStatus = isChannelMessage && status == runningStatus;
        body.insert(body.end(), e->data.begin() + (omitStatus ? 1 : 0), e->data.end());
        runningStatus = isChannelMessage ? status : 0; // meta events cancel running status
    }
    body.push_back(0);
    Bytes end = Meta(kMetaEndOfTrack, {});
    body.insert(body.end(), end.begin(), end.end());

    Bytes chunk;
    AppendChunk(chunk, "MTrk", body);
    return chunk;
}

Bytes WriteSmf(uint16_t ticksPerQuarter, const std::vector<MidiTrack>& tracks) {
    Bytes header;
    AppendBe(header, tracks.size() == 1 ? 0 : 1, 2);
    AppendBe(header, static_cast<uint32_t>(tracks.size()), 2);
    AppendBe(header, ticksPerQuarter & 0x7FFF, 2);
    Bytes out;
    AppendChunk(out, "MThd", header);
    for (const MidiTrack& t : tracks) {
        Bytes chunk = t.Encode();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

} // namespace soundgen
