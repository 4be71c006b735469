#pragma once
#include <cstdint>

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Lab {
    float l = 0, a = 0, b = 0;
};

// CIE L*a*b* of an sRGB colour (D65 white).
Lab ToLab(Rgb c);
// What a viewer without working green cones sees (full deuteranopia, simulated in linear light).
Rgb SimulateDeuteranopia(Rgb c);
// Perceptual distance (CIE76 delta E): about 2 is just noticeable, above 20 is plainly different.
float DeltaE(const Lab& x, const Lab& y);
// The colour scaled toward black (factor below 1) or white (factor above 1).
Rgb Shade(Rgb c, double factor);
