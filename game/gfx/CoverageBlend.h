#pragma once
#include <cstdint>

#include "game/gfx/PixelBuffer.h"
#include "game/gfx/PixelConversion.h"
#include "platform/GlyphRasterizer.h"

// Mixes `color` into the pixels under a coverage bitmap placed with its top-left at (x, y), in proportion to
// the coverage; uncovered pixels keep what they had. Clipped to the surface.
void BlendCoverage(const CoverageBitmap& coverage, PixelBuffer& dest, int x, int y, uint16_t color,
                   const PixelConversion& pc);
