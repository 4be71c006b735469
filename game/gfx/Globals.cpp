#include "game/gfx/Globals.h"

DisplayState gDisplay;
PixelConversion gPixelConversion;
