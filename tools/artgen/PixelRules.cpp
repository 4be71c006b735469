#include "tools/artgen/PixelRules.h"

namespace PixelRules {

bool IsTransparent(const Rgba& c) {
    return c.a < kOpaqueAlpha;
}

bool PacksToZero(const Rgba& c) {
    return c.r < 8 && c.g < 8 && c.b < 8;
}

Rgba Lift(Rgba c) {
    if (PacksToZero(c)) c.r = c.g = c.b = kLowestVisible;
    c.a = 255;
    return c;
}

void Settle(Image& image) {
    for (Rgba& p : image.pixels) p = IsTransparent(p) ? Rgba{} : Lift(p);
}

} // namespace PixelRules
