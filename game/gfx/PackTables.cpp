#include "game/gfx/PackTables.h"

#include "game/gfx/PixelConversion.h"

PackTables PackTables::Current() {
    PackTables t;
    for (uint32_t v = 0; v < 256; ++v) {
        t.red[v] = PackColor(v, 0, 0);
        t.green[v] = PackColor(0, v, 0);
        t.blue[v] = PackColor(0, 0, v);
    }
    return t;
}
