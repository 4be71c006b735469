#include "game/play/Globals.h"

CDifferenceMap gDifferenceMap;
CStageBanner gStageBanner;
PairSupply* gPairSupply = nullptr;
Surface gCheckNoPicture, gPen1Picture, gPen2Picture, gLifePicture, gBonusHandPicture;
Surface gGameOver1Picture, gGameOver2Picture;
Surface gCheckYesPicture, gCheckYes1PPicture, gCheckYes2PPicture;
PaceState gPace;
