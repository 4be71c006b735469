#include "game/control/GameController.h"

#include "game/control/Globals.h"
#include "game/gfx/Globals.h"
#include "game/io/Globals.h"
#include "game/io/Pen.h"

namespace {
constexpr const char* kSixthWord = "mfkdlwpqz";
}

void CGameController::StartUp() {
    sixthWord = kSixthWord;
    gSparkList.Empty();
    PenReset(gMenuPen, PenMenu);
    PenReset(gPlayer1Pen, PenPlayer1);
    PenReset(gPlayer2Pen, PenPlayer2);
    Register(gMenuPen);
    Register(gPlayer1Pen);
    Register(gPlayer2Pen);
    mode = ModeLogo;
    ReloadPictures();
    Broadcast(MsgInit);
}

void CGameController::ReloadPictures() { Broadcast(MsgLoad); }

void CGameController::Update() {
    switch (mode) {
    case ModeTitle:
    case ModePackSelect:
        Send(gMenuPen, MsgUpdate);
        break;
    default:
        break;
    }
}

void CGameController::Draw(int) {}

void CGameController::ScreenChange(int newMode) {
    PixelBuffer* back = gDisplay.lowDDBack.get();
    if (!back) return;
    CaptureOld(*back);
    Draw(newMode);
    CaptureNew(*back);
    CrossFade(nullptr, nullptr);
}

void CGameController::OnTypedChar(uint8_t) {}
