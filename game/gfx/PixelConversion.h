#pragma once
#include <cstdint>

#include "platform/Presenter.h"

// How 8-bit red, green and blue are packed into the screen's 16-bit pixels. The display is always 565
// here, but the 555 layout stays supported because fade tables and loaders are defined over both.
struct PixelConversion {
    uint32_t redDivisor = 8, greenDivisor = 4, blueDivisor = 8;
    uint32_t redShift = 11, greenShift = 5, blueShift = 0;
    uint32_t redMask = 0xF800, greenMask = 0x07E0, blueMask = 0x1F;
};

enum class PixelLayout { Rgb565, Rgb555 };

PixelConversion ConversionFor(PixelLayout layout);

// Packs with the global conversion parameters (gfx/Globals.h). Pure black packs to 0, the colour key.
uint16_t PackColor(uint32_t r, uint32_t g, uint32_t b);
uint16_t PackColorWith(const PixelConversion& pc, uint32_t r, uint32_t g, uint32_t b);
// A colour given as channel values already in the pixel's range (5-bit values, as the game's colours are
// written), placed with the display's shifts.
uint16_t PlaceChannels(uint32_t r, uint32_t g, uint32_t b);

// The classified format: per-channel maxima and shifts, and the depth (15 for a 5-5-5 sixteen-bit layout).
struct PixelFormat {
    uint8_t blueMax = 0, greenMax = 0, redMax = 0;
    uint8_t blueShift = 0, greenShift = 0, redShift = 0;
    int32_t bitDepth = 0;
};

bool GetRGBFormat(const PixelFormatDescription& desc, PixelFormat& out);

// The layout the display uses for a classified format: 555 only for depth 15, 565 for everything else
// (and when the query failed).
PixelLayout LayoutForFormat(bool formatKnown, const PixelFormat& format);
