#pragma once
#include <cairo.h>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/packgen/Renderer.h"
#include "tools/packgen/Scene.h"
#include "tools/pairs/Colour.h"
#include "tools/pairs/RgbImage.h"

// Picture pixels from (x0, y0) to (x1, y1), both corners included; empty when x1 < x0 or y1 < y0.
struct PixelBox {
    int x0, y0, x1, y1;
    bool Empty() const { return x1 < x0 || y1 < y0; }
};

// Renders changes of one object of a scene at a time. A change can only alter the pixels the object covers
// before or after it, so only there is the picture made again, and only from the background and the
// objects that reach those pixels; every other pixel is the scene's own. Inside that area the pixels are
// exactly those of a full rendering: each object is drawn whole, in scene order, as a full rendering
// draws it.
class ChangeRenderer {
  public:
    explicit ChangeRenderer(const Scene& scene);
    ~ChangeRenderer();
    ChangeRenderer(const ChangeRenderer&) = delete;
    ChangeRenderer& operator=(const ChangeRenderer&) = delete;

    // Renders the scene with objects[index] replaced by `changed` and answers the area drawn again (empty
    // when the object is not seen before or after). Inside it, Changed() holds the new pixels.
    PixelBox Render(size_t index, const SceneObject& changed);
    Rgb Base(int x, int y) const { return At(base_, x, y); }
    Rgb Changed(int x, int y) const { return At(work_, x, y); }

    RgbImage BasePicture() const { return ToImage(base_); }
    // The picture of `changed`, the scene with any of its objects changed.
    RgbImage PictureOf(const Scene& changed);

  private:
    static Rgb At(cairo_surface_t* surface, int x, int y);
    static RgbImage ToImage(cairo_surface_t* surface);
    void Redraw(const PixelBox& area);

    const Scene& scene_;
    SceneRenderer renderer_;
    cairo_surface_t* base_;
    cairo_surface_t* work_;
    std::vector<PixelBox> footprints_; // of each object of the scene
    // The objects drawn again, the scene's with changes, and their footprints.
    std::vector<SceneObject> objects_;
    std::vector<PixelBox> prints_;
};

// The pixels the object's drawing may touch (a little more, never less), clipped to the picture; empty
// when it is not visible or lies outside.
PixelBox Footprint(const SceneObject& object);
