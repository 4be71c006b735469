#include "platform/sdl/WidenPixels.h"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {
constexpr uint32_t kOpaque = 0xFF000000u;
// SDL's tables: red and blue floor(v * 255 / 31), as a multiply and a shift exact for every 5-bit value;
// green 4v + floor(v / 24) (so 63 gives 254), the division as a multiply and a shift exact below 64.
constexpr uint32_t kMul5 = 1053, kShift5 = 7;
constexpr uint32_t kMul24 = 43, kShift24 = 10;

constexpr uint32_t Scale5(uint32_t v) {
    return v * kMul5 >> kShift5;
}
constexpr uint32_t Scale6(uint32_t v) {
    return (v << 2) + (v * kMul24 >> kShift24);
}
static_assert(Scale5(31) == 255 && Scale5(4) == 32 && Scale6(63) == 254 && Scale6(24) == 97);

void WidenPortable(const uint16_t* from, uint32_t* to, size_t pixels, WideOrder order) {
    for (size_t i = 0; i < pixels; ++i) {
        const uint16_t p = from[i];
        const uint32_t r = Scale5(p >> 11), g = Scale6((p >> 5) & 0x3F), b = Scale5(p & 0x1F);
        to[i] = kOpaque | g << 8 | (order == WideOrder::Xrgb ? r << 16 | b : b << 16 | r);
    }
}

#if defined(__x86_64__)
// Both kernels scale the channels in 16-bit lanes, then interleave the low halves (blue or red with green
// above) and the high halves (the other colour with 0xFF above) into 32-bit pixels.
void WidenSse2(const uint16_t* from, uint32_t* to, size_t pixels, WideOrder order) {
    const __m128i low5 = _mm_set1_epi16(0x1F), low6 = _mm_set1_epi16(0x3F), opaque = _mm_set1_epi16(-256);
    const __m128i mul5 = _mm_set1_epi16(kMul5), mul24 = _mm_set1_epi16(kMul24);
    size_t i = 0;
    for (; i + 8 <= pixels; i += 8) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i g6 = _mm_and_si128(_mm_srli_epi16(p, 5), low6);
        const __m128i r = _mm_srli_epi16(_mm_mullo_epi16(_mm_srli_epi16(p, 11), mul5), kShift5);
        const __m128i g =
            _mm_add_epi16(_mm_slli_epi16(g6, 2), _mm_srli_epi16(_mm_mullo_epi16(g6, mul24), kShift24));
        const __m128i b = _mm_srli_epi16(_mm_mullo_epi16(_mm_and_si128(p, low5), mul5), kShift5);
        const bool rgb = order == WideOrder::Xrgb;
        const __m128i low = _mm_or_si128(rgb ? b : r, _mm_slli_epi16(g, 8));
        const __m128i high = _mm_or_si128(rgb ? r : b, opaque);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm_unpacklo_epi16(low, high));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i + 4), _mm_unpackhi_epi16(low, high));
    }
    WidenPortable(from + i, to + i, pixels - i, order);
}

__attribute__((target("avx2"))) void WidenAvx2(const uint16_t* from, uint32_t* to, size_t pixels,
                                               WideOrder order) {
    const __m256i low5 = _mm256_set1_epi16(0x1F), low6 = _mm256_set1_epi16(0x3F);
    const __m256i opaque = _mm256_set1_epi16(-256);
    const __m256i mul5 = _mm256_set1_epi16(kMul5), mul24 = _mm256_set1_epi16(kMul24);
    size_t i = 0;
    for (; i + 16 <= pixels; i += 16) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + i));
        const __m256i g6 = _mm256_and_si256(_mm256_srli_epi16(p, 5), low6);
        const __m256i r = _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_srli_epi16(p, 11), mul5), kShift5);
        const __m256i g = _mm256_add_epi16(_mm256_slli_epi16(g6, 2),
                                           _mm256_srli_epi16(_mm256_mullo_epi16(g6, mul24), kShift24));
        const __m256i b = _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_and_si256(p, low5), mul5), kShift5);
        const bool rgb = order == WideOrder::Xrgb;
        const __m256i low = _mm256_or_si256(rgb ? b : r, _mm256_slli_epi16(g, 8));
        const __m256i high = _mm256_or_si256(rgb ? r : b, opaque);
        // The unpacks work inside each 128-bit half: pixels 0-3 and 8-11, then 4-7 and 12-15.
        const __m256i first = _mm256_unpacklo_epi16(low, high), second = _mm256_unpackhi_epi16(low, high);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i),
                            _mm256_permute2x128_si256(first, second, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i + 8),
                            _mm256_permute2x128_si256(first, second, 0x31));
    }
    WidenPortable(from + i, to + i, pixels - i, order);
}
#endif
} // namespace

WidenKernel ChooseWiden(bool avx2) {
#if defined(__x86_64__)
    return avx2 ? WidenAvx2 : WidenSse2;
#else
    (void)avx2;
    return WidenPortable;
#endif
}
