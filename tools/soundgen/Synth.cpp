#include "tools/soundgen/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {
constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float kHarmonicLimitHz = 6000.0f;
constexpr float kSwishResonance = 2.5f;
constexpr float kTickResonance = 4.0f;
constexpr float kBuzzResonance = 0.9f;

size_t Frames(float seconds, uint32_t rate) {
    return static_cast<size_t>(seconds * float(rate));
}

float Glide(float from, float to, float fraction) {
    return from * std::pow(to / from, fraction);
}
} // namespace

float Noise::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return float(state_ >> 8) / float(1u << 23) - 1.0f;
}

void StateVariableFilter::Process(float x, float cutoffHz) {
    // Clamped so the filter stays stable near the Nyquist frequency.
    const float f =
        std::min(2.0f * std::sin(std::numbers::pi_v<float> * cutoffHz / float(sampleRate_)), 1.2f);
    low_ += f * band_;
    const float high = x - low_ - damping_ * band_;
    band_ += f * high;
}

Samples Buzz(const BuzzSpec& spec, uint32_t sampleRate) {
    const size_t n = Frames(spec.seconds, sampleRate);
    const size_t attack = Frames(spec.attackMs / 1000.0f, sampleRate) + 1;
    const size_t release = Frames(spec.releaseMs / 1000.0f, sampleRate) + 1;
    StateVariableFilter filter(sampleRate, kBuzzResonance);
    Samples out(n);
    float phase = 0;
    for (size_t i = 0; i < n; ++i) {
        const float hz = Glide(spec.startHz, spec.endHz, float(i) / float(n));
        phase = std::fmod(phase + hz / float(sampleRate), 1.0f);
        float wave = 0;
        const int step = spec.oddHarmonicsOnly ? 2 : 1;
        for (int k = 1; float(k) * hz < kHarmonicLimitHz; k += step)
            wave += std::sin(kTwoPi * float(k) * phase) / float(k);
        filter.Process(wave, spec.lowPassHz);
        const float env = std::min({1.0f, float(i) / float(attack), float(n - i) / float(release)});
        out[i] = filter.Low() * env;
    }
    return out;
}

Samples Swish(float seconds, float startHz, float endHz, uint32_t seed, uint32_t sampleRate) {
    const size_t n = Frames(seconds, sampleRate);
    Noise noise(seed);
    StateVariableFilter filter(sampleRate, kSwishResonance);
    Samples out(n);
    for (size_t i = 0; i < n; ++i) {
        const float t = float(i) / float(n);
        filter.Process(noise.Next(), Glide(startHz, endHz, t));
        out[i] = filter.Band() * std::sin(std::numbers::pi_v<float> * t);
    }
    return out;
}

Samples Ping(float seconds, float hz, float decayMs, uint32_t sampleRate) {
    const size_t n = Frames(seconds, sampleRate);
    Samples out(n);
    for (size_t i = 0; i < n; ++i) {
        const float t = float(i) / float(sampleRate);
        out[i] = std::sin(kTwoPi * hz * t) * std::exp(-t * 1000.0f / decayMs);
    }
    return out;
}

Samples Tick(float seconds, float hz, float decayMs, uint32_t seed, uint32_t sampleRate) {
    const size_t n = Frames(seconds, sampleRate);
    Noise noise(seed);
    StateVariableFilter filter(sampleRate, kTickResonance);
    Samples out(n);
    for (size_t i = 0; i < n; ++i) {
        const float t = float(i) / float(sampleRate);
        filter.Process(noise.Next() * std::exp(-t * 1000.0f / decayMs), hz);
        out[i] = filter.Band();
    }
    return out;
}

void MixAt(Samples& dst, const Samples& src, float atSeconds, float gain, uint32_t sampleRate) {
    const size_t at = Frames(atSeconds, sampleRate);
    if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[at + i] += gain * src[i];
}

} // namespace soundgen
