// The pens as scenes of the play stage: lives, the freeze after a miss, the found animation, drawing.
#include "game/control/Globals.h"
#include "game/control/Random.h"
#include "game/gfx/Globals.h"
#include "game/io/Pen.h"
#include "game/play/Globals.h"
#include "game/play/PlayPictures.h"
#include "game/play/Stage.h"
#include "game/shell/Globals.h"

namespace {
constexpr int kMissFreeze = 10;
constexpr int kLastIdleStep = 3;
constexpr int kFirstFoundStep = 4;
constexpr int kLastFoundStep = 12;
constexpr int kStepDownAfterFind = 15;

void UpdateFoundAnimation(Pen& pen) {
    if (gShell.frameCounter % 2 != 0) return;
    if (++pen.animStep > kLastFoundStep) {
        pen.animStep = 0;
        pen.y += kStepDownAfterFind;
    }
}

void UpdateSearch(Pen& pen) {
    const int click = PenMove(pen);
    if (gShell.frameCounter % 4 == 0 && ++pen.animStep > kLastIdleStep) pen.animStep = 0;
    if (!click || pen.kind == PenMenu) return; // the menus read the menu pen's clicks themselves
    if (gDifferenceMap.HitTest(pen)) {
        pen.animStep = kFirstFoundStep;
    } else {
        pen.animStep = GameRand() % 2;
        pen.freeze = kMissFreeze;
        LoseLife(pen);
    }
}

int UpdatePen(Pen& pen) {
    if (pen.lives <= 0) return 0;
    if (pen.freeze > 0)
        --pen.freeze;
    else if (pen.animStep > kLastIdleStep)
        UpdateFoundAnimation(pen);
    else
        UpdateSearch(pen);
    return 1;
}
} // namespace

int Pen::Message(int msg, int, int) {
    switch (msg) {
    case MsgLoad:
        LoadPenPictures();
        return 1;
    case MsgUpdate:
        return UpdatePen(*this);
    case MsgDraw:
        DrawPen(*this);
        return 1;
    default:
        return 1;
    }
}
