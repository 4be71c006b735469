#pragma once
// The screens' program-wide scene objects.
#include "game/screens/BonusScene.h"
#include "game/screens/EndingScene.h"
#include "game/screens/IntroScene.h"
#include "game/screens/LogoScene.h"
#include "game/screens/OptionsScene.h"
#include "game/screens/PackSelectScene.h"
#include "game/screens/RankBoard.h"
#include "game/screens/TitleScene.h"

extern CTitleScene gTitleScene;
extern CPackSelectScene gPackSelectScene;
extern CBonusScene gBonusScene;
extern CRankBoard gRankBoard;
extern CLogoScene gLogoScene;
extern CIntroScene gIntroScene;
extern CEndingScene gEndingScene;
extern COptionsScene gOptionsScene;
