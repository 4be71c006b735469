#pragma once
// The play subsystem's program-wide objects.
#include "game/gfx/Surface.h"
#include "game/play/DifferenceMap.h"
#include "game/play/StageBanner.h"

extern CDifferenceMap gDifferenceMap;
extern CStageBanner gStageBanner;

// Pen pictures.
extern Surface gCheckNoPicture, gPen1Picture, gPen2Picture, gLifePicture, gBonusHandPicture;
extern Surface gGameOver1Picture, gGameOver2Picture;
// Mark pictures.
extern Surface gCheckYesPicture, gCheckYes1PPicture, gCheckYes2PPicture;
