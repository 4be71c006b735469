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

// The relaxed pace: the time gauge runs down at half speed, and a game played at it in any stage does not
// enter the ranking, so that the table's scores stay comparable.
struct PaceState {
    int relaxed = 0;     // the setting in effect
    int gameRelaxed = 0; // this game has run at the relaxed pace; cleared when no game is running
    int owed = 0;        // half a unit of drain carried to the next frame
};
extern PaceState gPace;
