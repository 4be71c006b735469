#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A 16-bit picture in plain memory: what a platform surface is on this system. Rows are `pitch`
// pixels apart; the buffer never moves while the object lives, so a noted address stays valid.
class PixelBuffer {
  public:
    PixelBuffer(int width, int height)
        : width_(width), height_(height), pixels_(size_t(width) * size_t(height)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Pitch() const { return width_; }
    uint16_t* Data() { return pixels_.data(); }
    const uint16_t* Data() const { return pixels_.data(); }
    uint16_t* Row(int y) { return pixels_.data() + size_t(y) * size_t(width_); }
    const uint16_t* Row(int y) const { return pixels_.data() + size_t(y) * size_t(width_); }
    uint16_t& At(int x, int y) { return Row(y)[x]; }
    uint16_t At(int x, int y) const { return Row(y)[x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    void Fill(uint16_t color) { pixels_.assign(pixels_.size(), color); }

  private:
    int width_;
    int height_;
    std::vector<uint16_t> pixels_;
};
