#pragma once
// The graphics subsystem's program-wide objects.
#include <cstdint>

#include "game/gfx/Display.h"
#include "game/gfx/FadeTables.h"
#include "game/gfx/Font.h"
#include "game/gfx/NumberStrip.h"
#include "game/gfx/PixelConversion.h"
#include "game/gfx/TextCache.h"

extern DisplayState gDisplay;
extern PixelConversion gPixelConversion;
extern FadeTables gFadeTables;
extern NumberStrip gNumberStrip;
extern FontHandle gDisplayFont; // the pause label, the credits and the page counter
extern TextCache gTextCache;
extern uint64_t gHangulGlyphsDrawn; // Hangul characters put on the back surface by the text operations
