#include "game/gfx/Globals.h"

DisplayState gDisplay;
PixelConversion gPixelConversion;
FadeTables gFadeTables;
NumberStrip gNumberStrip;
FontHandle gDisplayFont = kNoFont;
TextCache gTextCache;
uint64_t gHangulGlyphsDrawn = 0;
