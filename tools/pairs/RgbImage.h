#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/pairs/Colour.h"

// A top-down picture of red, green, blue bytes.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // width * height * 3

    RgbImage() = default;
    RgbImage(int w, int h) : width(w), height(h), pixels(size_t(w) * h * 3, 0) {}
    Rgb At(int x, int y) const {
        const uint8_t* p = &pixels[(size_t(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
    void Set(int x, int y, Rgb c) {
        uint8_t* p = &pixels[(size_t(y) * width + x) * 3];
        p[0] = c.r, p[1] = c.g, p[2] = c.b;
    }
};
