#include "game/gfx/PixelCopy.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kFixedShift = 16; // source steps of the scaled copy in 16.16 fixed point

void CopyRow(const uint16_t* from, uint16_t* to, int n, bool keyed) {
    if (!keyed) {
        std::copy(from, from + n, to);
        return;
    }
    for (int i = 0; i < n; ++i)
        if (from[i] != 0) to[i] = from[i];
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
