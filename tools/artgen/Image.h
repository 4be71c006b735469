#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// One picture in straight (not premultiplied) 8-bit RGBA, top row first.
struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    Image() = default;
    Image(int w, int h) : width(w), height(h), pixels(size_t(w) * size_t(h)) {}
    Rgba& At(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    const Rgba& At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// A 256-colour picture: palette (unused entries black) and one index per pixel.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> palette; // always 256 entries
    std::vector<uint8_t> indices;
};
