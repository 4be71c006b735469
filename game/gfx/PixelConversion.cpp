#include "game/gfx/PixelConversion.h"

#include "game/gfx/Globals.h"

PixelConversion ConversionFor(PixelLayout layout) {
    PixelConversion pc;
    if (layout == PixelLayout::Rgb555) {
        pc.greenDivisor = 8;
        pc.redShift = 10;
        pc.redMask = 0x7C00;
        pc.greenMask = 0x03E0;
    }
    return pc;
}

uint16_t PackColorWith(const PixelConversion& pc, uint32_t r, uint32_t g, uint32_t b) {
    return static_cast<uint16_t>(((r / pc.redDivisor) << pc.redShift) |
                                 ((g / pc.greenDivisor) << pc.greenShift) |
                                 ((b / pc.blueDivisor) << pc.blueShift));
}

uint16_t PackColor(uint32_t r, uint32_t g, uint32_t b) {
    return PackColorWith(gPixelConversion, r, g, b);
}

uint16_t PlaceChannels(uint32_t r, uint32_t g, uint32_t b) {
    const PixelConversion& pc = gPixelConversion;
    return static_cast<uint16_t>(((r << pc.redShift) & pc.redMask) | ((g << pc.greenShift) & pc.greenMask) |
                                 ((b << pc.blueShift) & pc.blueMask));
}

namespace {
// Shifts the mask right while its lowest bit is 0, at most 32 times.
void MeasureMask(uint32_t mask, uint8_t& max, uint8_t& shift) {
    int count = 0;
    while (count < 32 && (mask & 1u) == 0) {
        mask >>= 1;
        ++count;
    }
    max = static_cast<uint8_t>(mask & 0xFF);
    shift = static_cast<uint8_t>(count);
}
} // namespace

bool GetRGBFormat(const PixelFormatDescription& desc, PixelFormat& out) {
    if (!desc.readable) return false;
    out = PixelFormat{};
    if (desc.bitDepth <= 8) {
        out.bitDepth = desc.bitDepth;
        return true;
    }
    MeasureMask(desc.redMask, out.redMax, out.redShift);
    MeasureMask(desc.greenMask, out.greenMax, out.greenShift);
    MeasureMask(desc.blueMask, out.blueMax, out.blueShift);
    if (!desc.isRgb) {
        out.bitDepth = 0;
        return false;
    }
    switch (desc.bitDepth) {
    case 16: {
        const int sum = out.redMax + out.greenMax + out.blueMax;
        out.bitDepth = sum == 93 ? 15 : 16;
        break;
    }
    case 24:
    case 32:
        out.bitDepth = desc.bitDepth;
        break;
    default:
        out.bitDepth = 0;
        break;
    }
    return true;
}

PixelLayout LayoutForFormat(bool formatKnown, const PixelFormat& format) {
    return formatKnown && format.bitDepth == 15 ? PixelLayout::Rgb555 : PixelLayout::Rgb565;
}
