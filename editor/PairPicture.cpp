#include "editor/PairPicture.h"

#include "tools/pairs/PairLayout.h"

RgbImage StagePicture(const RgbPicture& picture) {
    if (!picture.m_pImage || picture.m_width == 0 || picture.m_height == 0) return {};
    RgbImage stage(int(picture.m_width), int(picture.m_height));
    for (int y = 0; y < stage.height; ++y) {
        // DIB rows are bottom-up, each pixel blue, green, red.
        const uint8_t* row = picture.m_pImage.get() + size_t(stage.height - 1 - y) * picture.m_rowBytes;
        for (int x = 0; x < stage.width; ++x) {
            const uint8_t* p = row + size_t(x) * 3;
            stage.Set(x, y, {p[2], p[1], p[0]});
        }
    }
    return stage;
}

bool IsPairPicture(const RgbPicture& picture) {
    return picture.m_pImage && picture.m_width == uint32_t(pair_layout::kImageWidth) &&
           picture.m_height == uint32_t(pair_layout::kImageHeight);
}
