#include "game/play/Stage.h"

#include "game/control/Globals.h"
#include "game/control/Random.h"
#include "game/gfx/FadeTables.h"
#include "game/gfx/Globals.h"
#include "game/gfx/PixelConversion.h"
#include "game/io/Effects.h"
#include "game/io/Music.h"
#include "game/play/DataPacks.h"
#include "game/play/Globals.h"
#include "game/play/LifeSymbols.h"
#include "game/play/MadeGame.h"
#include "game/screens/Globals.h"

namespace {
constexpr int kTimeOutChargeEvery = 20;
constexpr int kFirstChargeBelow = -10;
constexpr int kBurstSparks = 15;
constexpr int kStagesPerBonus = 5;

bool BothPlayersOut() {
    return gPlayer1Pen.lives <= 0 && gPlayer2Pen.lives <= 0;
}

bool LastStagePlayed() {
    const CGameController& c = gController;
    return c.stageNumber >= c.stageTotal ||
           (c.singlePack == 1 && c.stageNumber >= CGameController::kPicturesPerPack);
}

void GameOverAfterTimeOut() {
    RankIfCounted(gController.stageNumber);
    gStageBanner.GameOver();
    PlayEffect(EffectGameOver1);
}

void ChargeOrEndAfterTimeOut() {
    CGameController& c = gController;
    if (gDifferenceMap.Remaining() > c.penaltiesCharged) {
        LoseLife(gPlayer1Pen);
        LoseLife(gPlayer2Pen);
        ++c.penaltiesCharged;
        PlayFailEffect();
        return;
    }
    if (LastStagePlayed())
        GameOverAfterTimeOut();
    else
        EndStage();
}

// The loading picture until the maker has the stage's pair; the controller starts the stage then.
void WaitForMadePair() {
    CGameController& c = gController;
    if (c.mode == ModeLoading) return;
    ++c.made.loadingWaits;
    c.ScreenChange(ModeLoading);
    c.mode = ModeLoading;
}
} // namespace

int ClearDrainStep(int gauge) {
    if (gauge > 10000) return gauge - 1000;
    if (gauge > 1000) return gauge - 500;
    if (gauge > 500) return gauge - 200;
    if (gauge > 20) return gauge - 20;
    return 0;
}

int SearchDrain(int stageNumber) {
    return 10 + stageNumber / 20;
}

bool NextStageExists() {
    const CGameController& c = gController;
    if (LastStagePlayed() || c.stageNumber < 0 || c.stageNumber >= CGameController::kOrderEntries)
        return false;
    return !(c.stageOrder[c.stageNumber] == StageEntry{});
}

void StartNextStage() {
    CGameController& c = gController;
    if (!MadeStageReady(c, c.stageNumber)) {
        WaitForMadePair();
        return;
    }
    gRankBoard.nameEntry = 0;
    CaptureOld(*gDisplay.lowDDBack);
    LoadStagePictures(c, c.stageNumber);
    ++c.stageNumber;
    gStageBanner.StageStart(c.stageNumber);
    PenReset(gMenuPen, -1);
    PenReset(gPlayer1Pen, -1);
    PenReset(gPlayer2Pen, -1);
    c.Draw(ModePlay);
    CaptureNew(*gDisplay.lowDDBack);
    CrossFade(nullptr, nullptr);
    c.mode = ModePlay;
    PlayRandomMusic();
}

void EndStage() {
    CGameController& c = gController;
    if (c.stageNumber % kStagesPerBonus != 0) {
        StartNextStage();
        return;
    }
    PlayEffect(EffectRank);
    CaptureOld(*gDisplay.lowDDBack);
    StartBonus();
    gStageBanner.BonusStart();
    c.Draw(ModeBonus);
    CaptureNew(*gDisplay.lowDDBack);
    CrossFade(nullptr, nullptr);
    c.mode = ModeBonus;
}

void StartBonus() {
    gController.timeGauge = CGameController::kStageTimeGauge;
    PenResetBonus(gPlayer1Pen);
    PenResetBonus(gPlayer2Pen);
    gController.mode = ModeBonus;
    gBonusScene.Message(MsgEnter, 0, 0);
}

void StageStep() {
    CGameController& c = gController;
    if (BothPlayersOut()) {
        if (RankIfCounted(c.stageNumber) == 0) PlayEffect(EffectGameOver1);
        gStageBanner.GameOver();
    }
    if (gDifferenceMap.Remaining() == 0 && c.timeGauge > 0) {
        c.timeGauge = ClearDrainStep(c.timeGauge);
        if (c.timeGauge == 0) PlayEffect(EffectClear);
    }
    if (c.timeGauge > 0) {
        c.Send(gPlayer1Pen, MsgUpdate);
        c.Send(gPlayer2Pen, MsgUpdate);
        c.timeGauge -= PacedDrain(SearchDrain(c.stageNumber));
        if (c.timeGauge <= 0) c.timeGauge = 0;
        return;
    }
    if (c.timeGauge == 0) gDifferenceMap.RevealAll(gPlayer1Pen.lives, gPlayer2Pen.lives);
    if (c.timeGauge < kFirstChargeBelow && c.timeGauge % kTimeOutChargeEvery == 0) ChargeOrEndAfterTimeOut();
    // Deliberate: also after EndStage has started the next stage, which so begins at 19999.
    c.timeGauge -= 1;
}

int PacedDrain(int units) {
    if (gPace.relaxed == 0) return units;
    gPace.gameRelaxed = 1;
    gPace.owed += units;
    const int taken = gPace.owed / 2;
    gPace.owed -= 2 * taken;
    return taken;
}

int RankIfCounted(int score) {
    return gPace.gameRelaxed ? 0 : gRankBoard.RankInsert(score);
}

void EndRelaxedMark() {
    gPace.gameRelaxed = 0;
    gPace.owed = 0;
}

int LoseLife(Pen& pen) {
    if (pen.lives <= 0) return 0;
    pen.lives -= 1;
    const Point at = LifeSymbolAt(pen, pen.lives); // the symbol that vanishes
    const uint16_t colour = pen.kind == PenPlayer1 ? PlaceChannels(31, 15, 15) : PlaceChannels(31, 10, 10);
    gSparkList.AddBurst(at.x, at.y, colour, kBurstSparks);
    return pen.lives > 0 ? 1 : 0;
}

int GainLife(Pen& pen) {
    if (pen.lives > 0) pen.lives += 1;
    return pen.lives;
}
