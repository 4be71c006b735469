#pragma once
#include <cstdint>
#include <memory>

// What a picture reader fills when it replaces the picture it is given (the editor's view implements it;
// tests use a plain record). A reader that refuses a file never calls it, so the previous picture stays.
class PictureHolder {
  public:
    virtual ~PictureHolder() = default;
    // Takes the new width, height and pixels: packed rows of width x 3 bytes (no padding), bottom row
    // first, each pixel blue, green, red. Pixels are null when the buffer could not be allocated: the
    // holder then keeps the new sizes and no picture. The holder pads the rows itself (AlignRows).
    virtual void ReplacePixels(uint32_t width, uint32_t height, std::unique_ptr<uint8_t[]> packedBgr) = 0;
};
