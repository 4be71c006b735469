#pragma once
#include <cstdint>

// What a platform reports about the pixel format of the screen's surfaces.
struct PixelFormatDescription {
    bool readable = true;
    bool isRgb = true;
    int bitDepth = 16;
    uint32_t redMask = 0xF800, greenMask = 0x07E0, blueMask = 0x1F;
};

// How the picture is put on the screen.
struct DisplayMode {
    bool fullScreen = true;    // else a window
    int windowScale = 0;       // the window in whole multiples of the game's size; 0: the largest that fits
    bool integerScale = false; // full screen in whole multiples only (crisp pixels, borders around)
    bool operator==(const DisplayMode&) const = default;
};

// Shows a finished 16-bit frame on the screen.
class Presenter {
  public:
    virtual ~Presenter() = default;
    virtual PixelFormatDescription Format() const = 0;
    // Shows the frame; false when the platform's surfaces were lost (device or render targets reset)
    // since the last present, so that the caller reloads its pictures.
    virtual bool Present(const uint16_t* pixels, int width, int height, int pitch) = 0;
    // Changes how the frames are shown from the next present on; a screen that has only one way ignores it.
    virtual void SetDisplayMode(const DisplayMode&) {}
};
