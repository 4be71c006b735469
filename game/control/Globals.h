#pragma once
// The game's program-wide objects of the control subsystem, constructed before start-up.
#include "game/control/GameController.h"
#include "game/control/SparkList.h"
#include "game/io/Pen.h"

extern CGameController gController;
extern CSparkList gSparkList;
extern Pen gMenuPen;
extern Pen gPlayer1Pen;
extern Pen gPlayer2Pen;
