#include "game/gfx/PictureDraw.h"

#include <algorithm>

#include "codecs/RgbPicture.h"
#include "game/gfx/Display.h"
#include "game/gfx/PackTables.h"
#include "game/gfx/Surface.h"

int DrawToSurface(const RgbPicture& picture, Surface& surface) {
    if (!picture.m_pImage || !surface.surface) return 0;
    PixelBuffer& out = *surface.surface;
    const PackTables tables = PackTables::Current();
    const int w = std::min<int64_t>(picture.m_width, out.Width());
    const int h = std::min<int64_t>(picture.m_height, out.Height());
    int pitch = 0;
    DDLock(&out, pitch);
    for (int y = 0; y < h; ++y) {
        // Stored rows run bottom-up, blue-green-red.
        const uint8_t* src = picture.m_pImage.get() + size_t(picture.m_height - 1 - y) * picture.m_rowBytes;
        uint16_t* row = out.Row(y);
        for (int x = 0; x < w; ++x, src += 3) row[x] = tables.Pack(src[2], src[1], src[0]);
    }
    DDUnlock(&out);
    return 1;
}
