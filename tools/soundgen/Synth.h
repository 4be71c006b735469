#pragma once
#include <cstdint>

#include "tools/soundgen/SampleOps.h"

namespace soundgen {

// Small deterministic building blocks for the effects made in code rather than with instruments.

// White noise from a fixed seed (xorshift), in [-1, 1).
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
    float Next();

  private:
    uint32_t state_;
};

// A state-variable filter (two integrators); cutoff may change every sample.
class StateVariableFilter {
  public:
    StateVariableFilter(uint32_t sampleRate, float resonance)
        : sampleRate_(sampleRate), damping_(1.0f / resonance) {}
    // Feeds one sample; Low() and Band() then hold the low-pass and band-pass outputs.
    void Process(float x, float cutoffHz);
    float Low() const { return low_; }
    float Band() const { return band_; }

  private:
    uint32_t sampleRate_;
    float damping_;
    float low_ = 0, band_ = 0;
};

// A band-limited sawtooth (odd = false) or square-like wave (odd = true) whose pitch glides
// exponentially from startHz to endHz, with a linear attack and release.
struct BuzzSpec {
    float seconds;
    float startHz;
    float endHz;
    bool oddHarmonicsOnly;
    float attackMs;
    float releaseMs;
    float lowPassHz;
};
Samples Buzz(const BuzzSpec& spec, uint32_t sampleRate);

// Filtered noise whose band centre glides from startHz to endHz, shaped by a half sine: a swish.
Samples Swish(float seconds, float startHz, float endHz, uint32_t seed, uint32_t sampleRate);

// A sine partial at hz, decaying exponentially with time constant decayMs.
Samples Ping(float seconds, float hz, float decayMs, uint32_t sampleRate);

// A short noise burst through a band-pass at hz, decaying with decayMs.
Samples Tick(float seconds, float hz, float decayMs, uint32_t seed, uint32_t sampleRate);

// Adds src scaled by gain into dst from atSeconds on, growing dst when needed.
void MixAt(Samples& dst, const Samples& src, float atSeconds, float gain, uint32_t sampleRate);

} // namespace soundgen
