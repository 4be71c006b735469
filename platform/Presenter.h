#pragma once
#include <cstdint>

// What a platform reports about the pixel format of the screen's surfaces.
struct PixelFormatDescription {
    bool readable = true;
    bool isRgb = true;
    int bitDepth = 16;
    uint32_t redMask = 0xF800, greenMask = 0x07E0, blueMask = 0x1F;
};

// Shows a finished 16-bit frame on the screen.
class Presenter {
  public:
    virtual ~Presenter() = default;
    virtual PixelFormatDescription Format() const = 0;
    // Shows the frame; false when the platform's surfaces were lost (device or render targets reset)
    // since the last present, so that the caller reloads its pictures.
    virtual bool Present(const uint16_t* pixels, int width, int height, int pitch) = 0;
};
