#pragma once
#include <cairo.h>
#include <cstdint>

#include "tools/artgen/Paint.h"

// The colours, fonts and recurring scenery that keep all pictures in one style.
namespace Theme {
constexpr uint32_t kInk = 0x2B2D42; // outlines and dark text
constexpr uint32_t kSkyTop = 0x6CCFF6;
constexpr uint32_t kSkyBottom = 0xD6F4FF;
constexpr uint32_t kSun = 0xFFD23F;
constexpr uint32_t kCoral = 0xFF6B6B; // player 1
constexpr uint32_t kBlue = 0x4D96FF;  // player 2
constexpr uint32_t kMint = 0x3DD6C0;
constexpr uint32_t kGrass = 0x7ED957;
constexpr uint32_t kPurple = 0x9B72F2;
constexpr uint32_t kOrange = 0xFF9F1C;
constexpr uint32_t kCream = 0xFFF6E0;
constexpr uint32_t kPink = 0xFF8FC7;
constexpr uint32_t kFrame = 0x5B8DEF; // play frame
constexpr uint32_t kFrameDark = 0x4F7FE0;
constexpr uint32_t kWell = 0x233A66; // dark slots in the frame
constexpr uint32_t kNight = 0x1C2541;

inline constexpr const char* kDisplayFont = "BM JUA_TTF";
inline constexpr const char* kRoundFont = "NanumSquareRound ExtraBold";
inline constexpr const char* kLatinFont = "Comic Neue Bold";
// The English edition's faces: Dosis is rounded and heavy like BM JUA, and a little narrower, which
// leaves room for English words that run longer than their Korean twins.
inline constexpr const char* kDisplayLatinFont = "Dosis ExtraBold";
inline constexpr const char* kSmallLatinFont = "Dosis Bold";
} // namespace Theme

namespace Scenery {

// A bright sky from y 0 to h with soft clouds.
void Sky(cairo_t* cr, int w, int h, uint32_t seed);
// Rolling green hills whose tops lie around y.
void Hills(cairo_t* cr, int w, int h, double y, uint32_t seed);
// Sprinkles of small stars and dots over the rectangle.
void Confetti(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed, double alpha);
// A starry night sky.
void Night(cairo_t* cr, int w, int h, uint32_t seed);

// A tiny landscape (sky, sun, house, tree) inside the rectangle; variants differ in small details,
// the way the game's picture pairs do. Clipped to the rectangle.
void MiniPicture(cairo_t* cr, double x, double y, double w, double h, int variant);

// The game's name in its logo lettering, centred at (cx, cy); size is the letter height in pixels.
void GameLogo(cairo_t* cr, double cx, double cy, double size);

// The whole play frame in screen coordinates: top bar, side bars, divider and the bottom bar with the
// gauge wells, life trays and the counter badge. The picture areas are left untouched.
void PlayFrame(cairo_t* cr);

} // namespace Scenery
