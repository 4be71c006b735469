#pragma once
// The cross-fade's mix of two pictures computed per colour component instead of looked up in the fade
// tables. Each component is scaled by a 16-bit fixed-point multiplier chosen per level so that it
// truncates exactly as the tables do; the mix therefore equals the tables' result bit for bit while
// reading nothing but the two pictures. The instruction set is chosen once, at run time.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/gfx/PixelConversion.h"

// The bit fields of a layout's three components. Red takes every bit above its shift (in 555 the top
// bit too), as the tables take it.
struct ComponentMasks {
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;
};
ComponentMasks MasksFor(const PixelConversion& pc);

// One implementation of out[i] := scaled(a[i], multA) + scaled(b[i], multB) over n pixels.
struct FadeBlendKernel {
    using Blend = void (*)(const ComponentMasks& masks, uint16_t multA, uint16_t multB, const uint16_t* a,
                           const uint16_t* b, uint16_t* out, size_t n);
    const char* name;
    Blend blend;
};

// Every kernel this processor can run, the portable one first and the fastest last.
const std::vector<FadeBlendKernel>& FadeBlendKernels();

// out[i] := level `level` of a[i] + level (31 - level) of b[i], as the fade tables of the layout would
// give it, with the fastest kernel or the one given.
void BlendLevels(const PixelConversion& pc, int level, const uint16_t* a, const uint16_t* b, uint16_t* out,
                 size_t n);
void BlendLevelsWith(const FadeBlendKernel& kernel, const PixelConversion& pc, int level, const uint16_t* a,
                     const uint16_t* b, uint16_t* out, size_t n);
