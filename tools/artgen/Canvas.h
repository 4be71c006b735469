#pragma once
#include <cairo.h>

#include "tools/artgen/Image.h"

// A Cairo drawing surface of a fixed size, cleared to transparent.
class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Context() const { return cr_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The drawn pixels in straight alpha.
    Image ToImage() const;

  private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};
