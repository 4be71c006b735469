#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

// A 16-bit picture in plain memory: what a platform surface is on this system. Rows are `pitch`
// pixels apart; the buffer never moves while the object lives, so a noted address stays valid.
// The pixels start black. They come from calloc, which takes large blocks from the system as pages that
// are already zero: a surface nothing draws on costs no page faults, and a loaded one is written once,
// not cleared first (start-up creates some forty surfaces).
class PixelBuffer {
  public:
    PixelBuffer(int width, int height) : width_(width), height_(height), pixels_(Allocate(Count())) {}
    PixelBuffer(const PixelBuffer& other) : PixelBuffer(other.width_, other.height_) {
        std::memcpy(pixels_.get(), other.pixels_.get(), Count() * sizeof(uint16_t));
    }
    PixelBuffer& operator=(const PixelBuffer& other) {
        PixelBuffer copy(other);
        std::swap(width_, copy.width_);
        std::swap(height_, copy.height_);
        std::swap(pixels_, copy.pixels_);
        return *this;
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Pitch() const { return width_; }
    uint16_t* Data() { return pixels_.get(); }
    const uint16_t* Data() const { return pixels_.get(); }
    uint16_t* Row(int y) { return pixels_.get() + size_t(y) * size_t(width_); }
    const uint16_t* Row(int y) const { return pixels_.get() + size_t(y) * size_t(width_); }
    uint16_t& At(int x, int y) { return Row(y)[x]; }
    uint16_t At(int x, int y) const { return Row(y)[x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    void Fill(uint16_t color) { std::fill_n(pixels_.get(), Count(), color); }

  private:
    struct Free {
        void operator()(uint16_t* p) const { std::free(p); }
    };
    using Storage = std::unique_ptr<uint16_t[], Free>;

    size_t Count() const { return size_t(width_) * size_t(height_); }
    static Storage Allocate(size_t count) {
        // One pixel at least, so that an empty picture still has an address to note.
        void* p = std::calloc(std::max<size_t>(count, 1), sizeof(uint16_t));
        if (!p) throw std::bad_alloc();
        return Storage(static_cast<uint16_t*>(p));
    }

    int width_;
    int height_;
    Storage pixels_;
};
