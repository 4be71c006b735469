#include "game/play/PlayScreen.h"

#include "game/control/Globals.h"
#include "game/gfx/Globals.h"
#include "game/gfx/NumberStrip.h"
#include "game/play/Globals.h"
#include "game/screens/Globals.h"
#include "game/shell/Globals.h"

namespace {
constexpr Point kCounterAt{282, 433};
constexpr int kGaugeUnitsPerPixel = 100;
constexpr int kGaugeTop = 435, kGaugeBottom = 445;
constexpr int kPlayer1GaugeRight = 220;
constexpr int kPlayer2GaugeLeft = 421;
constexpr int kGaugeFrameSteps = 5;
} // namespace

void DrawPlayFrame(int bonus) {
    CGameController& c = gController;
    PixelBuffer& screen = *gDisplay.lowDDBack;
    c.frameTop.BltCell(0, 0, 0, true, screen);
    c.frameLeft.BltCell(0, 20, 0, true, screen);
    c.frameRight.BltCell(620, 20, 0, true, screen);
    c.frameBottom.BltCell(0, 420, 0, true, screen);
    int number = gBonusScene.remaining;
    if (!bonus) {
        c.frameMiddle.BltCell(310, 12, 0, true, screen);
        number = gDifferenceMap.Remaining();
    }
    DrawNumber(kCounterAt.x, kCounterAt.y, number);
    if (c.timeGauge <= 0) return;
    const int w = c.timeGauge / kGaugeUnitsPerPixel;
    const int k = int((gShell.frameCounter / kGaugeFrameSteps) % CGameController::kGaugeFrames);
    if (gPlayer1Pen.lives > 0)
        c.gaugeFrames[k].DrawRegionInto({kPlayer1GaugeRight - w, kGaugeTop, kPlayer1GaugeRight, kGaugeBottom},
                                        true);
    if (gPlayer2Pen.lives > 0)
        c.gaugeFrames[CGameController::kGaugeFrames + k].DrawRegionInto(
            {kPlayer2GaugeLeft, kGaugeTop, kPlayer2GaugeLeft + w, kGaugeBottom}, true);
}

void DrawPlayScreen() {
    gController.stagePicture.BltCell(0, 0, 0, false, *gDisplay.lowDDBack);
    DrawPlayFrame(0);
    gDifferenceMap.Message(MsgDraw, 0, 0);
    gSparkList.DrawAll();
    gPlayer1Pen.Message(MsgDraw, 0, 0);
    gPlayer2Pen.Message(MsgDraw, 0, 0);
    gStageBanner.Message(MsgDraw, 0, 0);
}
