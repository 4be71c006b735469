// The cost of one frame of the bonus stage (update and draw of the table with open, matched and marked
// cards, both hands and the gauge), headless.
#include "bench/common/BenchFigures.h"
#include "bench/common/FrameBench.h"
#include "game/control/Globals.h"
#include "game/play/Globals.h"
#include "game/play/Stage.h"
#include "game/screens/Globals.h"

namespace {
constexpr int kWarmUpFrames = 500;
constexpr int kMeasuredFrames = 5000;

// A third of the cards matched by each player and the rest turning over; the gauge stays full.
void KeepTableBusy(int frame) {
    gPlayer1Pen.lives = gPlayer2Pen.lives = CGameController::kStartLives;
    gController.timeGauge = CGameController::kStageTimeGauge;
    for (int i = 0; i < CBonusScene::kCards; ++i) {
        CBonusScene::Card& card = gBonusScene.cards[i];
        card.state = i % 3 == 0             ? CBonusScene::Matched
                     : (i + frame) % 3 == 1 ? CBonusScene::FaceUp
                                            : CBonusScene::FaceDown;
        card.owner = 2 + i % 2;
    }
    gBonusScene.slots[0][0] = 1;
    gBonusScene.slots[1][0] = 2;
}
} // namespace

int main() {
    if (!StartHeadlessGame(ZOR_BENCH_DATA_DIR, "bonus_frame")) return 0;
    // The play frame of the same game first, so that the two compare within one run.
    const double play = MedianFrame(kWarmUpFrames, kMeasuredFrames, KeepPlayBusy);
    gController.stageNumber = 5;
    StartBonus();
    gStageBanner.state = CStageBanner::Hidden;
    const double bonus = MeasureFrames("bonus_frame", kWarmUpFrames, kMeasuredFrames, KeepTableBusy);
    ReportFigure("bonus_frame_vs_play_frame", bonus / play, "x");
    return 0;
}
