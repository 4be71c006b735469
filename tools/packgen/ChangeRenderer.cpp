#include "tools/packgen/ChangeRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "tools/pairs/PairLayout.h"

namespace {
using namespace pair_layout;

constexpr PixelBox kNothing{0, 0, -1, -1};
constexpr int kBytesPerPixel = 4;

PixelBox Union(const PixelBox& a, const PixelBox& b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

bool Meet(const PixelBox& a, const PixelBox& b) {
    return !a.Empty() && !b.Empty() && a.x0 <= b.x1 && b.x0 <= a.x1 && a.y0 <= b.y1 && b.y0 <= a.y1;
}

cairo_surface_t* PictureSurface() {
    return cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPictureWidth, kPictureHeight);
}

// Puts the background back inside the area, so that the objects are drawn there over it again.
void CopyArea(cairo_surface_t* from, cairo_surface_t* to, const PixelBox& area) {
    cairo_surface_flush(to);
    const int stride = cairo_image_surface_get_stride(to);
    const unsigned char* source = cairo_image_surface_get_data(from);
    unsigned char* target = cairo_image_surface_get_data(to);
    const size_t rowBytes = size_t(area.x1 - area.x0 + 1) * kBytesPerPixel;
    for (int y = area.y0; y <= area.y1; ++y) {
        const size_t at = size_t(y) * stride + size_t(area.x0) * kBytesPerPixel;
        std::memcpy(target + at, source + at, rowBytes);
    }
    cairo_surface_mark_dirty_rectangle(to, area.x0, area.y0, area.x1 - area.x0 + 1, area.y1 - area.y0 + 1);
}
} // namespace

PixelBox Footprint(const SceneObject& object) {
    if (!object.visible) return kNothing;
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cairo_t* cr = cairo_create(recording);
    DrawSceneObject(cr, object);
    cairo_destroy(cr);
    double x = 0, y = 0, w = 0, h = 0;
    cairo_recording_surface_ink_extents(recording, &x, &y, &w, &h);
    cairo_surface_destroy(recording);
    if (w <= 0 || h <= 0) return kNothing;
    // Whole pixels around the extents, and one more on every side for the smoothing of edges.
    const PixelBox box{int(std::floor(x)) - 1, int(std::floor(y)) - 1, int(std::ceil(x + w)),
                       int(std::ceil(y + h))};
    const PixelBox inside{std::max(box.x0, 0), std::max(box.y0, 0), std::min(box.x1, kPictureWidth - 1),
                          std::min(box.y1, kPictureHeight - 1)};
    return inside.Empty() ? kNothing : inside;
}

ChangeRenderer::ChangeRenderer(const Scene& scene)
    : scene_(scene), renderer_(scene), base_(PictureSurface()), work_(PictureSurface()) {
    renderer_.Draw(base_, scene);
    footprints_.reserve(scene.objects.size());
    for (const SceneObject& o : scene.objects) footprints_.push_back(Footprint(o));
}

ChangeRenderer::~ChangeRenderer() {
    cairo_surface_destroy(work_);
    cairo_surface_destroy(base_);
}

PixelBox ChangeRenderer::Render(size_t index, const SceneObject& changed) {
    objects_ = scene_.objects;
    prints_ = footprints_;
    objects_[index] = changed;
    prints_[index] = Footprint(changed);
    const PixelBox area = Union(footprints_[index], prints_[index]);
    if (!area.Empty()) Redraw(area);
    return area;
}

// Draws every object of objects_ that reaches the area over the background into the work surface, which
// then holds the right pixels inside the area. Objects elsewhere are left out; the pixels they would have
// covered outside the area are not read.
void ChangeRenderer::Redraw(const PixelBox& area) {
    CopyArea(renderer_.Background(), work_, area);
    cairo_t* cr = cairo_create(work_);
    for (size_t i = 0; i < objects_.size(); ++i) {
        if (Meet(prints_[i], area)) DrawSceneObject(cr, objects_[i]);
    }
    cairo_destroy(cr);
    cairo_surface_flush(work_);
}

RgbImage ChangeRenderer::PictureOf(const Scene& changed) {
    objects_ = changed.objects;
    prints_ = footprints_;
    std::vector<PixelBox> areas;
    for (size_t i = 0; i < objects_.size(); ++i) {
        if (objects_[i] == scene_.objects[i]) continue;
        prints_[i] = Footprint(objects_[i]);
        areas.push_back(Union(footprints_[i], prints_[i]));
    }
    cairo_surface_t* picture = PictureSurface();
    CopyArea(base_, picture, {0, 0, kPictureWidth - 1, kPictureHeight - 1});
    // Each area is drawn on its own and copied out before the next, since drawing one spoils the work
    // surface around it.
    for (const PixelBox& area : areas) {
        if (area.Empty()) continue;
        Redraw(area);
        CopyArea(work_, picture, area);
    }
    RgbImage image = ToImage(picture);
    cairo_surface_destroy(picture);
    return image;
}

Rgb ChangeRenderer::At(cairo_surface_t* surface, int x, int y) {
    uint32_t pixel;
    std::memcpy(&pixel,
                cairo_image_surface_get_data(surface) + size_t(y) * cairo_image_surface_get_stride(surface) +
                    size_t(x) * kBytesPerPixel,
                kBytesPerPixel);
    return {uint8_t(pixel >> 16), uint8_t(pixel >> 8), uint8_t(pixel)};
}

RgbImage ChangeRenderer::ToImage(cairo_surface_t* surface) {
    RgbImage image(kPictureWidth, kPictureHeight);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) image.Set(x, y, At(surface, x, y));
    }
    return image;
}
