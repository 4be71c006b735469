#include "tools/artgen/Quantize.h"

#include <cstdlib>
#include <libimagequant.h>
#include <memory>
#include <stdexcept>

#include "tools/artgen/PixelRules.h"

namespace {
constexpr int kPaletteSize = 256;

struct LiqDeleter {
    void operator()(liq_attr* p) const { liq_attr_destroy(p); }
    void operator()(liq_image* p) const { liq_image_destroy(p); }
    void operator()(liq_result* p) const { liq_result_destroy(p); }
};

int Distance(const Rgba& a, const Rgba& b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

int NearestOpaque(const std::vector<Rgba>& palette, int used, const Rgba& c) {
    int best = -1, bestDistance = 0;
    for (int i = 0; i < used; ++i) {
        if (PixelRules::IsTransparent(palette[i])) continue;
        const int d = Distance(palette[i], c);
        if (best < 0 || d < bestDistance) best = i, bestDistance = d;
    }
    return best;
}

// Makes the palette obey the transparency rules and moves any pixel whose entry disagrees with it.
void Repair(const Image& image, IndexedImage& out, int used) {
    for (int i = 0; i < used; ++i) {
        Rgba& e = out.palette[i];
        e = PixelRules::IsTransparent(e) ? Rgba{} : PixelRules::Lift(e);
    }
    int transparentEntry = -1;
    for (int i = 0; i < used && transparentEntry < 0; ++i)
        if (out.palette[i].a == 0) transparentEntry = i;
    for (size_t p = 0; p < out.indices.size(); ++p) {
        const Rgba& source = image.pixels[p];
        const bool wantTransparent = PixelRules::IsTransparent(source);
        const bool isTransparent = out.palette[out.indices[p]].a == 0;
        if (wantTransparent == isTransparent) continue;
        if (wantTransparent) {
            if (transparentEntry < 0) {
                if (used >= kPaletteSize) throw std::runtime_error("no palette entry left for transparency");
                transparentEntry = used++;
                out.palette[transparentEntry] = Rgba{};
            }
            out.indices[p] = uint8_t(transparentEntry);
        } else {
            const int nearest = NearestOpaque(out.palette, used, source);
            if (nearest < 0) throw std::runtime_error("no opaque palette entry");
            out.indices[p] = uint8_t(nearest);
        }
    }
}
} // namespace

IndexedImage Quantize(const Image& image, float dithering) {
    std::unique_ptr<liq_attr, LiqDeleter> attr(liq_attr_create());
    // One entry stays free so that a transparent entry can always be added.
    liq_set_max_colors(attr.get(), kPaletteSize - 1);
    liq_set_quality(attr.get(), 0, 100);
    liq_set_speed(attr.get(), 3);
    std::unique_ptr<liq_image, LiqDeleter> liqImage(
        liq_image_create_rgba(attr.get(), image.pixels.data(), image.width, image.height, 0));
    if (!liqImage) throw std::runtime_error("libimagequant refused the picture");
    liq_result* raw = nullptr;
    if (liq_image_quantize(liqImage.get(), attr.get(), &raw) != LIQ_OK)
        throw std::runtime_error("libimagequant could not quantise the picture");
    std::unique_ptr<liq_result, LiqDeleter> result(raw);
    liq_set_dithering_level(result.get(), dithering);

    IndexedImage out;
    out.width = image.width;
    out.height = image.height;
    out.indices.resize(image.pixels.size());
    if (liq_write_remapped_image(result.get(), liqImage.get(), out.indices.data(), out.indices.size()) !=
        LIQ_OK)
        throw std::runtime_error("libimagequant could not remap the picture");
    const liq_palette* palette = liq_get_palette(result.get());
    out.palette.assign(kPaletteSize, Rgba{});
    const int used = int(palette->count);
    for (int i = 0; i < used; ++i) {
        const liq_color& c = palette->entries[i];
        out.palette[i] = Rgba{c.r, c.g, c.b, c.a};
    }
    Repair(image, out, used);
    return out;
}
