#include "game/control/Globals.h"

CGameController gController;
CSparkList gSparkList;
Pen gMenuPen;
Pen gPlayer1Pen;
Pen gPlayer2Pen;
