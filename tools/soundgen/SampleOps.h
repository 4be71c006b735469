#pragma once
#include <cstdint>
#include <span>
#include <vector>

namespace soundgen {

using Samples = std::vector<float>; // mono, full scale at ±1

// Loudness targets shared by every effect: an RMS level, held under a peak ceiling.
inline constexpr float kTargetRms = 0.18f;   // about −15 dBFS
inline constexpr float kPeakCeiling = 0.89f; // about −1 dBFS

// Scales so the RMS reaches kTargetRms unless the peak would pass kPeakCeiling, in which case
// the peak lands on the ceiling. Silence is left alone.
void NormaliseLoudness(Samples& s);

// Drops leading and trailing samples quieter than threshold (keeping a short margin).
void TrimSilence(Samples& s, uint32_t sampleRate, float threshold);

// Raised-cosine fades at both ends so the sound starts and stops at zero without a click.
void ApplyEdgeFades(Samples& s, uint32_t sampleRate, float fadeInMs, float fadeOutMs);

// Rounds to 16-bit with clamping.
std::vector<int16_t> ToPcm16(std::span<const float> s);

struct Level {
    float peak = 0; // largest magnitude, full scale 1
    float rms = 0;
};
Level Measure(std::span<const float> s);
Level Measure(std::span<const int16_t> s);

} // namespace soundgen
