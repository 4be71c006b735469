#include "game/screens/EndingScene.h"

#include "game/control/Random.h"
#include "game/gfx/Globals.h"
#include "game/gfx/Text.h"
#include "game/screens/TextFade.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr int kTextXRange = 250;
constexpr int kTextTop = 90, kTextYRange = 360;
constexpr int kTvWidth = 156, kTvHeight = 106;
constexpr Point kTvAt{404, 240};
} // namespace

void CEndingScene::PlaceText() {
    textX = GameRand() % kTextXRange;
    textY = kTextTop + GameRand() % kTextYRange;
}

void CEndingScene::Enter() {
    fadeCounter = 0;
    step = 0;
    textColor = 0;
    tv = {};
    PlaceText();
}

void CEndingScene::Load() {
    background.LoadPcx256(&gMainArchive, "endBack.pcx", 0, 0);
    tvStrips[0].LowLoadBmpBit(&gMainArchive, "endTV1.bmp", kTvWidth, kTvHeight);
    tvStrips[1].LowLoadBmpBit(&gMainArchive, "endTV2.bmp", kTvWidth, kTvHeight);
}

void CEndingScene::Draw() {
    PixelBuffer& screen = *gDisplay.lowDDBack;
    background.BltCell(0, 0, 0, false, screen);
    tvStrips[tv.strip].BltCell(kTvAt.x, kTvAt.y, tv.cell, false, screen);
    PutFontText(gDisplayFont, textX, textY, textColor, GameText(CreditText(step / 2)));
}

// A line fades in on an even step and out on the odd one; the next line starts at a new place.
void CEndingScene::Update() {
    if (FadeTick(fadeCounter)) {
        if (step % 2 == 1) PlaceText();
        if (++step == kSteps) step = 0;
    }
    textColor = FadeGrey(fadeCounter, step);
    tv.Step();
}

int CEndingScene::Message(int msg, int, int) {
    switch (msg) {
    case MsgEnter:
        Enter();
        return 1;
    case MsgLoad:
        Load();
        return 1;
    case MsgDraw:
        if (gDisplay.lowDDBack) Draw();
        return 1;
    case MsgUpdate:
        Update(); // the controller does not read the answer: the ending lasts until Escape
        return 1;
    default:
        return 1;
    }
}
