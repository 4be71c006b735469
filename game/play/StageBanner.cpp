#include "game/play/StageBanner.h"

#include "game/control/Globals.h"
#include "game/gfx/Globals.h"
#include "game/gfx/NumberStrip.h"
#include "game/shell/Globals.h"

namespace {
constexpr Point kBackAt{197, 149};
constexpr Point kReadyGoAt{197, 201};
constexpr Point kGameOverAt{0, 180};
constexpr Point kBonusMsgAt{230, 150};
constexpr Point kBonusResultAt{230, 194};
constexpr int kReadyGoAfter = 20; // steps showing the stage number before "ready"
constexpr int kReadyGoFrameSteps = 23;
constexpr int kNumberY = 205;
constexpr int kFadeFirstStep = 2;
constexpr int kBlendEveryPixel = 0;
constexpr Rect kSaveChoice{321, 194, 410, 240};
constexpr Rect kLifeChoice{230, 194, 320, 240};
constexpr int kReadyGoWidth = 241, kReadyGoHeight = 52;
constexpr int kResultWidth = 180, kResultHeight = 46;

int NumberX(int n) {
    return n >= 100 ? 310 : n >= 10 ? 300 : 280;
}
} // namespace

void CStageBanner::StageStart(int number) {
    state = StageStartShown;
    step = 0;
    stageShown = number;
}

void CStageBanner::BonusStart() {
    state = BonusStartShown;
    step = 0;
}

void CStageBanner::GameOver() {
    state = GameOverShown;
    step = kFadeFirstStep;
}

void CStageBanner::BonusResult(int cleared) {
    state = cleared ? BonusCleared : BonusFailed;
    bonusChoice = cleared ? ChoiceLife : ChoiceNone;
    step = 0;
}

void CStageBanner::Load() {
    back.LowLoadBmpBit(&gMainArchive, "StageBack.bmp", 0, 0);
    readyGo.LowLoadBmpBit(&gMainArchive, "stageReadyGo.bmp", kReadyGoWidth, kReadyGoHeight);
    gameOver.LowLoadBmpBit(&gMainArchive, "GameOver.bmp", 0, 0);
    bonusMsg.LowLoadBmpBit(&gMainArchive, "BonusMsg.bmp", 0, 0);
    bonusResult.LowLoadBmpBit(&gMainArchive, "BonusMDN.bmp", kResultWidth, kResultHeight);
    bonusStart.LowLoadBmpBit(&gMainArchive, "BonusStart.bmp", 0, 0);
}

void CStageBanner::DrawReadyGoOr(bool bonus) {
    PixelBuffer& screen = *gDisplay.lowDDBack;
    back.BltCell(kBackAt.x, kBackAt.y, 0, true, screen);
    if (step > kReadyGoAfter)
        readyGo.BltCell(kReadyGoAt.x, kReadyGoAt.y, (step - kReadyGoAfter) / kReadyGoFrameSteps, true,
                        screen);
    else if (bonus)
        bonusStart.BltCell(kReadyGoAt.x, kReadyGoAt.y, 0, true, screen);
    else
        DrawNumber(NumberX(stageShown), kNumberY, stageShown);
}

int CStageBanner::Draw() {
    PixelBuffer& screen = *gDisplay.lowDDBack;
    switch (state) {
    case Hidden:
        return 0;
    case StageStartShown:
        DrawReadyGoOr(false);
        break;
    case BonusStartShown:
        DrawReadyGoOr(true);
        break;
    case BonusCleared:
    case BonusFailed:
        bonusMsg.BltCell(kBonusMsgAt.x, kBonusMsgAt.y, 0, true, screen);
        bonusResult.BltCell(kBonusResultAt.x, kBonusResultAt.y, bonusChoice - ChoiceLife, true, screen);
        break;
    case GameOverShown:
        if (step >= kFadeFirstStep && step < kShowSteps)
            gameOver.BlendCell(kGameOverAt.x, kGameOverAt.y, 0, kBlendEveryPixel, step / 2);
        break;
    default:
        break;
    }
    return 1;
}

int CStageBanner::UpdateBonusChoice() {
    for (Pen* pen : {&gPlayer1Pen, &gPlayer2Pen}) {
        const Point at{pen->x, pen->y};
        if (PointInRect(kSaveChoice, at)) bonusChoice = ChoiceSave;
        if (PointInRect(kLifeChoice, at)) bonusChoice = ChoiceLife;
        const int click = PenMove(*pen);
        if (click && PointInRect(kSaveChoice, at)) return ChoiceSave;
        if (click && PointInRect(kLifeChoice, at)) return ChoiceLife;
    }
    return 1;
}

int CStageBanner::Update() {
    ++step;
    switch (state) {
    case Hidden:
        return 0;
    case StageStartShown:
    case BonusStartShown:
        if (step >= kShowSteps) state = Hidden;
        return 1;
    case BonusCleared:
        return UpdateBonusChoice();
    case BonusFailed:
        if (step < kFailedSteps) return 1;
        state = Hidden;
        return ChoiceNone;
    case GameOverShown:
        if (step < kShowSteps) return 1;
        state = Hidden;
        return kAnswerGameOverEnded;
    default:
        return 1;
    }
}

int CStageBanner::Message(int msg, int, int) {
    switch (msg) {
    case MsgInit:
        stageShown = 0;
        step = 0;
        return 1;
    case MsgLoad:
        Load();
        return 1;
    case MsgDraw:
        return Draw();
    case MsgUpdate:
        return Update();
    default:
        return 1;
    }
}
