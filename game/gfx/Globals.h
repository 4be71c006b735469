#pragma once
// The graphics subsystem's program-wide objects.
#include "game/gfx/Display.h"
#include "game/gfx/PixelConversion.h"

extern DisplayState gDisplay;
extern PixelConversion gPixelConversion;
