#include "game/gfx/SpriteRegion.h"

#include "game/gfx/Globals.h"
#include "game/gfx/PixelCopy.h"
#include "game/gfx/Surface.h"

void SpriteRegion::Set(Surface* from, int x, int y, int w, int h) {
    surface = from;
    source = {x, y, x + w, y + h};
    width = w;
    height = h;
}

int SpriteRegion::DrawRegionAt(int x, int y, bool keyed) {
    return DrawRegionInto({x, y, x + width, y + height}, keyed);
}

int SpriteRegion::DrawRegionInto(const Rect& dst, bool keyed) {
    if (!surface || !gDisplay.lowDDBack) return kBltNoSurface;
    return surface->StretchRect(dst, source, keyed, *gDisplay.lowDDBack);
}
