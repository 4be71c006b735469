#include "tools/soundgen/SampleOps.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {
constexpr float kPcmScale = 32767.0f;
constexpr float kTrimMarginMs = 5.0f;

template <typename T> Level MeasureScaled(std::span<const T> s, float scale) {
    Level l;
    double sum = 0;
    for (T v : s) {
        const float x = float(v) / scale;
        l.peak = std::max(l.peak, std::fabs(x));
        sum += double(x) * x;
    }
    l.rms = s.empty() ? 0.0f : float(std::sqrt(sum / double(s.size())));
    return l;
}

// Half a raised cosine from 0 to 1 over n steps.
float Ramp(size_t i, size_t n) {
    return 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * float(i) / float(n));
}
} // namespace

Level Measure(std::span<const float> s) {
    return MeasureScaled(s, 1.0f);
}
Level Measure(std::span<const int16_t> s) {
    return MeasureScaled(s, kPcmScale);
}

void NormaliseLoudness(Samples& s) {
    const Level l = Measure(s);
    if (l.peak <= 0) return;
    const float gain = std::min(kTargetRms / l.rms, kPeakCeiling / l.peak);
    for (float& x : s) x *= gain;
}

void TrimSilence(Samples& s, uint32_t sampleRate, float threshold) {
    auto loud = [threshold](float x) { return std::fabs(x) >= threshold; };
    const auto first = std::find_if(s.begin(), s.end(), loud);
    if (first == s.end()) {
        s.clear();
        return;
    }
    const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
    const auto margin = static_cast<ptrdiff_t>(sampleRate * kTrimMarginMs / 1000.0f);
    const auto begin = first - std::min(margin, first - s.begin());
    const auto end = last + std::min(margin, s.end() - last);
    s = Samples(begin, end);
}

void ApplyEdgeFades(Samples& s, uint32_t sampleRate, float fadeInMs, float fadeOutMs) {
    const size_t in = std::min(s.size(), size_t(sampleRate * fadeInMs / 1000.0f) + 1);
    const size_t out = std::min(s.size(), size_t(sampleRate * fadeOutMs / 1000.0f) + 1);
    for (size_t i = 0; i < in; ++i) s[i] *= Ramp(i, in);
    for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= Ramp(i, out);
}

std::vector<int16_t> ToPcm16(std::span<const float> s) {
    std::vector<int16_t> out;
    out.reserve(s.size());
    for (float x : s)
        out.push_back(static_cast<int16_t>(std::lround(std::clamp(x, -1.0f, 1.0f) * kPcmScale)));
    return out;
}

} // namespace soundgen
