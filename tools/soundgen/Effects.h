#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/soundgen/SampleOps.h"

namespace soundgen {

inline constexpr uint32_t kEffectSampleRate = 22050;

// One finished effect: the entry name the game loads it by and its mono samples.
struct Effect {
    std::string name;
    Samples samples;
};

// The fifteen effect names in the order the game loads them.
const std::vector<std::string>& EffectNames();

// Builds every effect: the melodic ones as short MIDI phrases played through the soundfont, the
// rest synthesised. Each is trimmed, loudness-normalised and faded at both ends. Empty (with
// error set) when the soundfont cannot be used.
std::vector<Effect> BuildEffects(const std::string& soundfont, std::string& error);

} // namespace soundgen
