#include "tools/packgen/Preview.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>

#include "common/AtomicFile.h"
#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PackFormat.h"
#include "tools/packgen/PackReader.h"

namespace {
using namespace pair_layout;

constexpr int kColumns = 2;
constexpr int kPairWidth = kRightOffset + kPictureWidth; // both pictures and the gap between them
constexpr int kGapPixels = 12;

// The pair's pictures (gap included) as a Cairo image.
cairo_surface_t* PairSurface(const RgbImage& stage) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPairWidth, kPictureHeight);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kPictureHeight; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < kPairWidth; ++x) {
            const Rgb c = stage.At(kLeftX + x, kTopY + y);
            row[x] = uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

void OutlineRects(cairo_t* cr, const DifferenceMap& map, double scale) {
    cairo_set_line_width(cr, 2.0 / scale);
    for (const MapRect& r : map) {
        for (int offset : {0, kRightOffset}) {
            const double x = r.left - kLeftX + offset, y = r.top - kTopY;
            cairo_rectangle(cr, x, y, double(r.right) - r.left + 1, double(r.bottom) - r.top + 1);
            cairo_set_source_rgb(cr, 1.0, 0.1, 0.6);
            cairo_stroke(cr);
        }
    }
}
} // namespace

bool WritePreview(const std::string& packPath, const std::string& pngPath, double scale, std::string& error) {
    scale = std::clamp(scale, 0.1, 1.0);
    PackReader pack;
    if (!pack.LoadFile(packPath, error)) return false;
    const auto pictures = pack.Pictures();
    if (pictures.empty()) {
        error = packPath + " holds no pictures";
        return false;
    }
    const int cellW = int(std::ceil(kPairWidth * scale)), cellH = int(std::ceil(kPictureHeight * scale));
    const int rows = int(pictures.size() + kColumns - 1) / kColumns;
    cairo_surface_t* sheet =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, kColumns * (cellW + kGapPixels) + kGapPixels,
                                   rows * (cellH + kGapPixels) + kGapPixels);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.16);
    cairo_paint(cr);
    for (size_t i = 0; i < pictures.size(); ++i) {
        std::vector<uint8_t> bytes, mapBytes;
        RgbImage stage;
        pack.Read(pictures[i]->name, bytes);
        pack.Read(PackReader::MapNameFor(pictures[i]->name), mapBytes);
        std::string decodeError;
        if (!DecodeJpeg(bytes, kImageWidth, stage, decodeError) || stage.width != kImageWidth ||
            stage.height != kImageHeight) {
            continue; // left blank: --check names the broken picture
        }
        cairo_surface_t* pair = PairSurface(stage);
        cairo_save(cr);
        cairo_translate(cr, kGapPixels + int(i % kColumns) * (cellW + kGapPixels),
                        kGapPixels + int(i / kColumns) * (cellH + kGapPixels));
        cairo_scale(cr, scale, scale);
        cairo_set_source_surface(cr, pair, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        OutlineRects(cr, DecodeMap(mapBytes), scale);
        cairo_restore(cr);
        cairo_surface_destroy(pair);
    }
    cairo_destroy(cr);
    std::vector<uint8_t> png;
    const cairo_status_t status = cairo_surface_write_to_png_stream(sheet, AppendBytes, &png);
    cairo_surface_destroy(sheet);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = std::string("cannot encode the preview: ") + cairo_status_to_string(status);
        return false;
    }
    return WriteFileAtomically(pngPath, png, error);
}
