#pragma once
struct RgbPicture;
class Surface;

// Copies the picture 1:1 to (0, 0) of the surface, each pixel packed with PackColor. 0 when there is no
// picture or the surface has no platform surface, else 1.
int DrawToSurface(const RgbPicture& picture, Surface& surface);
