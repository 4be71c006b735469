// The sound builder's MIDI reader on hostile bytes: what it accepts gives events in time order at finite,
// non-negative times.
#include <cmath>

#include "tools/soundgen/SmfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto file = soundgen::ReadSmf({data, size});
    if (!file) return 0;
    double last = 0;
    for (const soundgen::TimedEvent& e : soundgen::TimedChannelEvents(*file)) {
        if (!std::isfinite(e.seconds) || e.seconds < last) __builtin_trap();
        last = e.seconds;
    }
    const double duration = soundgen::DurationSeconds(*file);
    if (!std::isfinite(duration) || duration < 0) __builtin_trap();
    return 0;
}
