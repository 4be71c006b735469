#include "tools/artgen/Canvas.h"

#include <stdexcept>

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_)) {
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        throw std::runtime_error("cannot create a drawing surface");
    }
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Image Canvas::ToImage() const {
    cairo_surface_flush(surface_);
    Image image(width_, height_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < width_; ++x) {
            const uint32_t p = row[x];
            const uint8_t a = uint8_t(p >> 24);
            auto straight = [a](uint32_t c) { return a ? uint8_t((c * 255 + a / 2) / a) : uint8_t(0); };
            image.At(x, y) =
                Rgba{straight((p >> 16) & 0xFF), straight((p >> 8) & 0xFF), straight(p & 0xFF), a};
        }
    }
    return image;
}
