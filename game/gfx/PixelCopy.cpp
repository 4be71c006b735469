#include "game/gfx/PixelCopy.h"

#include <algorithm>
#include <cstdint>

#include "game/gfx/CpuFeatures.h"

#ifdef __x86_64__
#include <immintrin.h>
#endif

namespace {
constexpr int kFixedShift = 16; // source steps of the scaled copy in 16.16 fixed point

// Keyed copies several pixels at a time: as a key pixel is 0, source | (key mask & destination) is the
// source pixel or, under a key, the destination's own. Each returns how many pixels it copied.
#ifdef __x86_64__
int CopyKeyedSse2(const uint16_t* from, uint16_t* to, int n) {
    constexpr int kLanes = 8;
    const __m128i zero = _mm_setzero_si128();
    int i = 0;
    for (; i + kLanes <= n; i += kLanes) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + i));
        const __m128i key = _mm_cmpeq_epi16(s, zero);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + i), _mm_or_si128(s, _mm_and_si128(key, d)));
    }
    return i;
}

__attribute__((target("avx2"))) int CopyKeyedAvx2(const uint16_t* from, uint16_t* to, int n) {
    constexpr int kLanes = 16;
    const __m256i zero = _mm256_setzero_si256();
    int i = 0;
    for (; i + kLanes <= n; i += kLanes) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + i));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(to + i));
        const __m256i key = _mm256_cmpeq_epi16(s, zero);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(to + i), _mm256_or_si256(s, _mm256_and_si256(key, d)));
    }
    _mm256_zeroupper(); // SSE code run afterwards would otherwise be slowed down several times
    return i;
}
#endif

// Copies the pixels that are not the key 0.
void CopyRowKeyed(const uint16_t* from, uint16_t* to, int n) {
    int i = 0;
#ifdef __x86_64__
    static const bool avx2 = CpuHasAvx2();
    if (avx2) i = CopyKeyedAvx2(from, to, n);
    i += CopyKeyedSse2(from + i, to + i, n - i);
#endif
    for (; i < n; ++i)
        if (from[i] != 0) to[i] = from[i];
}

void CopyRow(const uint16_t* from, uint16_t* to, int n, bool keyed) {
    if (keyed)
        CopyRowKeyed(from, to, n);
    else
        std::copy(from, from + n, to);
}
} // namespace

int CopyPixels(const PixelBuffer& source, const Rect& src, PixelBuffer& dest, int dx, int dy, bool keyed) {
    const Rect dst{dx, dy, dx + src.Width(), dy + src.Height()};
    if (!RectInside(src, source.Width(), source.Height()) || !RectInside(dst, dest.Width(), dest.Height()))
        return kBltInvalidRect;
    for (int row = 0; row < src.Height(); ++row)
        CopyRow(source.Row(src.top + row) + src.left, dest.Row(dy + row) + dx, src.Width(), keyed);
    return kBltOk;
}

int StretchPixels(const PixelBuffer& source, const Rect& src, PixelBuffer& dest, const Rect& dst,
                  bool keyed) {
    if (src.Width() <= 0 || src.Height() <= 0 || dst.Width() <= 0 || dst.Height() <= 0)
        return kBltInvalidRect;
    if (!RectInside(src, source.Width(), source.Height()) || !RectInside(dst, dest.Width(), dest.Height()))
        return kBltInvalidRect;
    const int64_t stepX = (int64_t(src.Width()) << kFixedShift) / dst.Width();
    const int64_t stepY = (int64_t(src.Height()) << kFixedShift) / dst.Height();
    int64_t sy = stepY / 2;
    for (int y = dst.top; y < dst.bottom; ++y, sy += stepY) {
        const uint16_t* from = source.Row(src.top + int(sy >> kFixedShift)) + src.left;
        uint16_t* to = dest.Row(y);
        int64_t sx = stepX / 2;
        for (int x = dst.left; x < dst.right; ++x, sx += stepX) {
            const uint16_t v = from[sx >> kFixedShift];
            if (!keyed || v != 0) to[x] = v;
        }
    }
    return kBltOk;
}
