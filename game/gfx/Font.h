#pragma once

// A font made by MakeFont: the glyph rasterizer's number for an opened face, or kNoFont.
using FontHandle = int;
constexpr FontHandle kNoFont = -1;
