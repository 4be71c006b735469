#include "game/gfx/FadeBlend.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "game/gfx/CpuFeatures.h"
#include "game/gfx/FadeTables.h"

#if defined(__x86_64__)
#include <immintrin.h>
#define ZOR_FADE_BLEND_X86 1
#endif

namespace {
constexpr uint32_t kMaxComponent = 63; // the widest field: 565 green, 555 red with its top bit
constexpr uint32_t kOne = 0x10000;     // the multiplier of the factor 1

// The smallest m with floor(c * m / 65536) == uint32_t(factor * c) for every component value c (the
// tables' truncation in double precision), or 0 when no m does.
constexpr uint32_t MultiplierFor(double factor) {
    uint32_t low = 0, high = ~0u;
    for (uint32_t c = 1; c <= kMaxComponent; ++c) {
        const uint32_t t = uint32_t(factor * c);
        low = std::max(low, (t * kOne + c - 1) / c);
        high = std::min(high, ((t + 1) * kOne + c - 1) / c - 1);
    }
    return low <= high ? low : 0;
}

constexpr std::array<uint32_t, kFadeLevels> kMultipliers = [] {
    std::array<uint32_t, kFadeLevels> m{};
    for (int k = 0; k < kFadeLevels; ++k) m[size_t(k)] = MultiplierFor(kFadeFactors[k]);
    return m;
}();

// Level 0 scales by 0 and the top level by exactly 1 (a plain copy); every level between needs a
// multiplier that fits 16 bits.
constexpr bool EveryLevelFits() {
    if (kMultipliers[0] != 0 || kMultipliers[kFadeTopLevel] != kOne) return false;
    for (int k = 1; k < kFadeTopLevel; ++k)
        if (kMultipliers[size_t(k)] == 0 || kMultipliers[size_t(k)] >= kOne) return false;
    return true;
}
static_assert(EveryLevelFits(), "a fade factor has no exact 16-bit multiplier");

// A field scaled in place: (c << s) * m >> 16 keeps floor(c * m / 65536) above bit s plus lower bits,
// which the mask clears. The result never outgrows the field, so the fields can be or-ed together.
inline uint32_t ScaledField(uint32_t v, uint32_t mask, uint32_t mult) {
    return ((v & mask) * mult >> 16) & mask;
}

inline uint16_t Scaled(uint32_t v, const ComponentMasks& m, uint32_t mult) {
    return static_cast<uint16_t>(ScaledField(v, m.red, mult) | ScaledField(v, m.green, mult) |
                                 ScaledField(v, m.blue, mult));
}

void BlendPortable(const ComponentMasks& masks, uint16_t multA, uint16_t multB, const uint16_t* a,
                   const uint16_t* b, uint16_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i)
        out[i] = static_cast<uint16_t>(Scaled(a[i], masks, multA) + Scaled(b[i], masks, multB));
}

#ifdef ZOR_FADE_BLEND_X86
// The same arithmetic eight pixels at a time; SSE2 is part of every x86-64 processor.
inline __m128i ScaledSse2(__m128i v, __m128i red, __m128i green, __m128i blue, __m128i mult) {
    const __m128i r = _mm_and_si128(_mm_mulhi_epu16(_mm_and_si128(v, red), mult), red);
    const __m128i g = _mm_and_si128(_mm_mulhi_epu16(_mm_and_si128(v, green), mult), green);
    const __m128i b = _mm_mulhi_epu16(_mm_and_si128(v, blue), mult); // already below bit 5
    return _mm_or_si128(_mm_or_si128(r, g), b);
}

void BlendSse2(const ComponentMasks& masks, uint16_t multA, uint16_t multB, const uint16_t* a,
               const uint16_t* b, uint16_t* out, size_t n) {
    const __m128i red = _mm_set1_epi16(static_cast<short>(masks.red));
    const __m128i green = _mm_set1_epi16(static_cast<short>(masks.green));
    const __m128i blue = _mm_set1_epi16(static_cast<short>(masks.blue));
    const __m128i ma = _mm_set1_epi16(static_cast<short>(multA));
    const __m128i mb = _mm_set1_epi16(static_cast<short>(multB));
    constexpr size_t kLanes = 8;
    size_t i = 0;
    for (; i + kLanes <= n; i += kLanes) {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i sum =
            _mm_add_epi16(ScaledSse2(va, red, green, blue, ma), ScaledSse2(vb, red, green, blue, mb));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), sum);
    }
    BlendPortable(masks, multA, multB, a + i, b + i, out + i, n - i);
}

// Sixteen pixels at a time, on processors that have AVX2.
__attribute__((target("avx2"))) inline __m256i ScaledAvx2(__m256i v, __m256i red, __m256i green, __m256i blue,
                                                          __m256i mult) {
    const __m256i r = _mm256_and_si256(_mm256_mulhi_epu16(_mm256_and_si256(v, red), mult), red);
    const __m256i g = _mm256_and_si256(_mm256_mulhi_epu16(_mm256_and_si256(v, green), mult), green);
    const __m256i b = _mm256_mulhi_epu16(_mm256_and_si256(v, blue), mult);
    return _mm256_or_si256(_mm256_or_si256(r, g), b);
}

__attribute__((target("avx2"))) void BlendAvx2(const ComponentMasks& masks, uint16_t multA, uint16_t multB,
                                               const uint16_t* a, const uint16_t* b, uint16_t* out,
                                               size_t n) {
    const __m256i red = _mm256_set1_epi16(static_cast<short>(masks.red));
    const __m256i green = _mm256_set1_epi16(static_cast<short>(masks.green));
    const __m256i blue = _mm256_set1_epi16(static_cast<short>(masks.blue));
    const __m256i ma = _mm256_set1_epi16(static_cast<short>(multA));
    const __m256i mb = _mm256_set1_epi16(static_cast<short>(multB));
    constexpr size_t kLanes = 16;
    size_t i = 0;
    for (; i + kLanes <= n; i += kLanes) {
        const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
        const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
        const __m256i sum =
            _mm256_add_epi16(ScaledAvx2(va, red, green, blue, ma), ScaledAvx2(vb, red, green, blue, mb));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), sum);
    }
    // Leaves the upper halves clean: SSE code run afterwards would otherwise be slowed down several times.
    _mm256_zeroupper();
    BlendPortable(masks, multA, multB, a + i, b + i, out + i, n - i);
}
#endif

std::vector<FadeBlendKernel> AvailableKernels() {
    std::vector<FadeBlendKernel> kernels{{"portable", BlendPortable}};
#ifdef ZOR_FADE_BLEND_X86
    kernels.push_back({"sse2", BlendSse2});
    if (CpuHasAvx2()) kernels.push_back({"avx2", BlendAvx2});
#endif
    return kernels;
}
} // namespace

ComponentMasks MasksFor(const PixelConversion& pc) {
    return {static_cast<uint16_t>(0xFFFFu >> pc.redShift << pc.redShift), static_cast<uint16_t>(pc.greenMask),
            static_cast<uint16_t>(pc.blueMask)};
}

const std::vector<FadeBlendKernel>& FadeBlendKernels() {
    static const std::vector<FadeBlendKernel> kernels = AvailableKernels();
    return kernels;
}

void BlendLevels(const PixelConversion& pc, int level, const uint16_t* a, const uint16_t* b, uint16_t* out,
                 size_t n) {
    BlendLevelsWith(FadeBlendKernels().back(), pc, level, a, b, out, n);
}

void BlendLevelsWith(const FadeBlendKernel& kernel, const PixelConversion& pc, int level, const uint16_t* a,
                     const uint16_t* b, uint16_t* out, size_t n) {
    level = std::clamp(level, 0, kFadeTopLevel);
    // A factor of 1 does not fit the multiplier; with it the other side is scaled by 0.
    if (level == kFadeTopLevel || level == 0) {
        std::memmove(out, level == 0 ? b : a, n * sizeof(uint16_t));
        return;
    }
    kernel.blend(MasksFor(pc), static_cast<uint16_t>(kMultipliers[size_t(level)]),
                 static_cast<uint16_t>(kMultipliers[size_t(kFadeTopLevel - level)]), a, b, out, n);
}
