#pragma once
// giflib's decoding of the first image of a GIF, as the reference the project's own reader is held
// against (conformance check and benchmark). Link with giflib.
#include <cstdint>
#include <gif_lib.h>
#include <vector>

struct GiflibImage {
    int screenWidth = 0, screenHeight = 0;
    int left = 0, top = 0, width = 0, height = 0;
    // width x height x 3 bytes, rows top-down, red-green-blue; values past the colour map are black.
    std::vector<uint8_t> rgb;
};

// Reads record by record up to the first image and decodes it line by line (in pass order when
// interlaced). False when giflib refuses the file before that image is whole.
inline bool GiflibFirstImage(const char* path, GiflibImage& out) {
    static constexpr int kPassStart[] = {0, 4, 2, 1}, kPassStep[] = {8, 8, 4, 2};
    static constexpr int64_t kMaxPixels = int64_t(8192) * 8192; // hostile sizes are not allocated
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path, &error);
    if (!gif) return false;
    bool ok = false;
    for (GifRecordType type = UNDEFINED_RECORD_TYPE; type != TERMINATE_RECORD_TYPE;) {
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) break;
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) break;
            while (block && DGifGetExtensionNext(gif, &block) != GIF_ERROR) {
            }
            if (block) break;
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE) continue;
        if (DGifGetImageDesc(gif) == GIF_ERROR) break;
        const GifImageDesc& d = gif->Image;
        if (int64_t(d.Width) * d.Height > kMaxPixels) break;
        out = {gif->SWidth, gif->SHeight, d.Left, d.Top, d.Width, d.Height, {}};
        std::vector<GifPixelType> index(size_t(d.Width) * d.Height);
        ok = true;
        const int passes = d.Interlace ? 4 : 1;
        for (int p = 0; p < passes && ok; ++p)
            for (int y = d.Interlace ? kPassStart[p] : 0; y < d.Height && ok;
                 y += d.Interlace ? kPassStep[p] : 1)
                ok = DGifGetLine(gif, &index[size_t(y) * d.Width], d.Width) != GIF_ERROR;
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        out.rgb.resize(index.size() * 3);
        for (size_t i = 0; i < index.size(); ++i) {
            if (!map || index[i] >= map->ColorCount) continue;
            const GifColorType& c = map->Colors[index[i]];
            out.rgb[i * 3] = c.Red;
            out.rgb[i * 3 + 1] = c.Green;
            out.rgb[i * 3 + 2] = c.Blue;
        }
        break;
    }
    DGifCloseFile(gif, &error);
    return ok;
}
