#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

using Bytes = std::vector<uint8_t>;

// Appends n (at most 0x0FFFFFFF) as a MIDI variable-length quantity: 7 bits per byte, most
// significant group first, the high bit set on every byte but the last.
void AppendVarLen(Bytes& out, uint32_t n);

// One track of a Standard MIDI File, built from events at absolute tick times in any order.
class MidiTrack {
  public:
    void Note(uint32_t tick, uint32_t duration, int channel, int key, int velocity);
    void ProgramChange(uint32_t tick, int channel, int program);
    void ControlChange(uint32_t tick, int channel, int controller, int value);
    void Tempo(uint32_t tick, uint32_t microsPerQuarter);
    void TimeSignature(uint32_t tick, int numerator, int denominatorPower);
    void TrackName(uint32_t tick, const std::string& name);

    // The "MTrk" chunk: events sorted by time (meta, then controls, then note-offs, then note-ons at
    // equal times), delta times, running status, and the end-of-track event.
    Bytes Encode() const;

  private:
    struct Event {
        uint32_t tick;
        int rank;       // order among events at the same tick
        uint32_t order; // insertion order, keeps the sort stable
        Bytes data;     // status and data bytes, or FF type length data
    };
    void Add(uint32_t tick, int rank, Bytes data);

    std::vector<Event> events_;
};

// A whole file: "MThd" (format 0 for one track, 1 otherwise) followed by the tracks.
Bytes WriteSmf(uint16_t ticksPerQuarter, const std::vector<MidiTrack>& tracks);

} // namespace soundgen
