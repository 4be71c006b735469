#include "tools/pairs/Colour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// sRGB byte -> linear light, computed once.
const std::array<float, 256>& LinearTable() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double v = i / 255.0;
            t[i] = static_cast<float>(v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return t;
    }();
    return table;
}

uint8_t ToSrgbByte(double linear) {
    linear = std::clamp(linear, 0.0, 1.0);
    const double v = linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return static_cast<uint8_t>(std::lround(v * 255.0));
}

float LabF(float t) {
    return t > 0.008856f ? std::cbrt(t) : 7.787f * t + 16.0f / 116.0f;
}
} // namespace

Lab ToLab(Rgb c) {
    const auto& lin = LinearTable();
    const float r = lin[c.r], g = lin[c.g], b = lin[c.b];
    const float x = (0.4124f * r + 0.3576f * g + 0.1805f * b) / 0.95047f;
    const float y = 0.2126f * r + 0.7152f * g + 0.0722f * b;
    const float z = (0.0193f * r + 0.1192f * g + 0.9505f * b) / 1.08883f;
    const float fx = LabF(x), fy = LabF(y), fz = LabF(z);
    return {116.0f * fy - 16.0f, 500.0f * (fx - fy), 200.0f * (fy - fz)};
}

Rgb SimulateDeuteranopia(Rgb c) {
    // Machado, Oliveira and Fernandes (2009), deuteranopia at full severity.
    const auto& lin = LinearTable();
    const double r = lin[c.r], g = lin[c.g], b = lin[c.b];
    return {ToSrgbByte(0.367322 * r + 0.860646 * g - 0.227968 * b),
            ToSrgbByte(0.280085 * r + 0.672501 * g + 0.047413 * b),
            ToSrgbByte(-0.011820 * r + 0.042940 * g + 0.968881 * b)};
}

float DeltaE(const Lab& x, const Lab& y) {
    const float dl = x.l - y.l, da = x.a - y.a, db = x.b - y.b;
    return std::sqrt(dl * dl + da * da + db * db);
}

Rgb Shade(Rgb c, double factor) {
    auto channel = [factor](uint8_t v) {
        const double out = factor <= 1.0 ? v * factor : v + (255 - v) * (factor - 1.0);
        return static_cast<uint8_t>(std::clamp(std::lround(out), 0L, 255L));
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}
