#pragma once
#include "tools/packgen/Scene.h"
#include "tools/pairs/RgbImage.h"

#include <cairo.h>

// Draws scenes that share one background (a pair's pictures and the changes tried on them), painting
// the background only once.
class SceneRenderer {
  public:
    explicit SceneRenderer(const Scene& scene);
    ~SceneRenderer();
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;
    // The scene's objects over the background; the scene has the background of the one given above.
    RgbImage Render(const Scene& scene) const;
    // The same into a picture-sized RGB24 surface.
    void Draw(cairo_surface_t* target, const Scene& scene) const;
    cairo_surface_t* Background() const { return background_; }

  private:
    cairo_surface_t* background_;
};

// Draws one object where the scene places it.
void DrawSceneObject(cairo_t* cr, const SceneObject& o);
// Draws a scene into a picture of the pair's picture size.
RgbImage RenderPicture(const Scene& scene);
// The 640x480 stage picture: the left and right pictures where the game shows them, the frame colour around.
RgbImage ComposeStage(const RgbImage& left, const RgbImage& right);
