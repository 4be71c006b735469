#pragma once
// The play subsystem's program-wide objects.
#include "game/gfx/Surface.h"
#include "game/play/DifferenceMap.h"
#include "game/play/PairSupply.h"
#include "game/play/StageBanner.h"

extern CDifferenceMap gDifferenceMap;
extern CStageBanner gStageBanner;
// The maker of today's pack and endless play, given by the program; null where no pairs are made.
extern PairSupply* gPairSupply;

// Pen pictures.
extern Surface gCheckNoPicture, gPen1Picture, gPen2Picture, gLifePicture, gBonusHandPicture;
extern Surface gGameOver1Picture, gGameOver2Picture;
// Mark pictures.
extern Surface gCheckYesPicture, gCheckYes1PPicture, gCheckYes2PPicture;
