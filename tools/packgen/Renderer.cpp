#include "tools/packgen/Renderer.h"

#include <algorithm>
#include <cairo.h>
#include <cstring>

#include "tools/packgen/KindTable.h"
#include "tools/packgen/Theme.h"
#include "tools/pairs/PairLayout.h"

namespace {
using namespace pair_layout;

constexpr Rgb kFrameColour{24, 28, 48};
constexpr double kUnitsTall = 100.0;

// Outline width in pixels: thinner for small objects so that their lines do not swamp them.
double OutlinePixels(double size) {
    return std::clamp(size / 35.0, 1.0, 2.0);
}

} // namespace

void DrawSceneObject(cairo_t* cr, const SceneObject& o) {
    const double scale = o.size / kUnitsTall;
    cairo_save(cr);
    cairo_translate(cr, o.x, o.y);
    cairo_scale(cr, o.mirrored ? -scale : scale, scale);
    InfoOf(o.kind).draw({cr, OutlinePixels(o.size) / scale}, o);
    cairo_restore(cr);
}

SceneRenderer::SceneRenderer(const Scene& scene)
    : background_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPictureWidth, kPictureHeight)) {
    cairo_t* cr = cairo_create(background_);
    Rng rng(scene.backgroundSeed);
    Themes()[scene.theme].background(cr, rng, scene.horizon);
    cairo_destroy(cr);
    cairo_surface_flush(background_);
}

SceneRenderer::~SceneRenderer() {
    cairo_surface_destroy(background_);
}

void SceneRenderer::Draw(cairo_surface_t* target, const Scene& scene) const {
    cairo_t* cr = cairo_create(target);
    cairo_set_source_surface(cr, background_, 0, 0);
    cairo_paint(cr);
    for (const SceneObject& o : scene.objects) {
        if (o.visible) DrawSceneObject(cr, o);
    }
    cairo_destroy(cr);
    cairo_surface_flush(target);
}

RgbImage SceneRenderer::Render(const Scene& scene) const {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kPictureWidth, kPictureHeight);
    Draw(surface, scene);

    RgbImage image(kPictureWidth, kPictureHeight);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            uint32_t pixel;
            std::memcpy(&pixel, data + size_t(y) * stride + size_t(x) * 4, 4);
            image.Set(x, y, {uint8_t(pixel >> 16), uint8_t(pixel >> 8), uint8_t(pixel)});
        }
    }
    cairo_surface_destroy(surface);
    return image;
}

RgbImage RenderPicture(const Scene& scene) {
    return SceneRenderer(scene).Render(scene);
}

RgbImage ComposeStage(const RgbImage& left, const RgbImage& right) {
    RgbImage stage(kImageWidth, kImageHeight);
    for (int y = 0; y < kImageHeight; ++y) {
        for (int x = 0; x < kImageWidth; ++x) stage.Set(x, y, kFrameColour);
    }
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            stage.Set(kLeftX + x, kTopY + y, left.At(x, y));
            stage.Set(kLeftX + kRightOffset + x, kTopY + y, right.At(x, y));
        }
    }
    return stage;
}
