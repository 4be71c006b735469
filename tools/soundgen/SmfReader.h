#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace soundgen {

// One event of a Standard MIDI File at its absolute time. Channel messages keep status and data
// bytes; meta events keep 0xFF in status, their type in metaType and, for tempo, the value.
struct SmfEvent {
    uint32_t tick = 0;
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
    uint8_t metaType = 0;
    uint32_t tempo = 0; // microseconds per quarter note, for tempo events
};

struct SmfFile {
    uint16_t format = 0;
    uint16_t ticksPerQuarter = 0;
    std::vector<std::vector<SmfEvent>> tracks;
};

// Reads a file with metrical time division. Empty for anything malformed: a bad chunk id or
// length, a truncated event, a data byte without running status, a SMPTE time division.
// Unknown chunks are skipped; system-exclusive events are skipped over.
std::optional<SmfFile> ReadSmf(std::span<const uint8_t> bytes);

// A channel event at its time in seconds, after the tempo changes of every track.
struct TimedEvent {
    double seconds = 0;
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
};

// All channel events of all tracks merged in time order (stable for equal times).
std::vector<TimedEvent> TimedChannelEvents(const SmfFile& file);

// Seconds from the start to the last event of any track (end-of-track included).
double DurationSeconds(const SmfFile& file);

} // namespace soundgen
