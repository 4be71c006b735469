#pragma once
#include "tools/packgen/Rng.h"
#include "tools/packgen/Scene.h"

// Composes a random scene of a theme: its background, then objects from the theme's placements, with a
// few hidden spare objects that a difference may add to one picture.
Scene ComposeScene(int theme, Rng& rng);

// The box an object's drawing roughly fills (picture pixels): x0, y0, x1, y1.
struct Extent {
    double x0, y0, x1, y1;
};
Extent ExtentOf(const SceneObject& object);
