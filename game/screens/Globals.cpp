#include "game/screens/Globals.h"

CTitleScene gTitleScene;
CPackSelectScene gPackSelectScene;
CBonusScene gBonusScene;
CRankBoard gRankBoard;
CLogoScene gLogoScene;
CIntroScene gIntroScene;
CEndingScene gEndingScene;
COptionsScene gOptionsScene;
