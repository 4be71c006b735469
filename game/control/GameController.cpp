#include "game/control/GameController.h"

#include "game/control/Globals.h"
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

void CGameController::ScreenChange(int newMode) { Draw(newMode); }

void CGameController::OnTypedChar(uint8_t) {}
