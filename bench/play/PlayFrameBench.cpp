// The cost of one frame of play (update and draw of a 640x480 stage with two players, sparks flying and
// marks blending), headless.
#include "bench/common/FrameBench.h"
#include "game/control/Globals.h"
#include "game/play/Globals.h"
#include "game/play/Stage.h"

namespace {
constexpr int kWarmUpFrames = 1000;
constexpr int kMeasuredFrames = 5000;
constexpr int kBurstEvery = 10;

// Keeps the stage busy: both players alive, the gauge full, marks of both players on show, and a life
// lost every few frames so sparks keep flying.
void KeepStageBusy(int frame) {
    gPlayer1Pen.lives = gPlayer2Pen.lives = CGameController::kStartLives;
    gController.timeGauge = CGameController::kStageTimeGauge;
    for (int k = 0; k < CDifferenceMap::kDifferences; ++k) {
        gDifferenceMap.finders[k] = 1 + k % 2;
        gDifferenceMap.marks[k] = {40 + 50 * k, 100 + 40 * k};
    }
    if (frame % kBurstEvery == 0) LoseLife(frame % 20 == 0 ? gPlayer1Pen : gPlayer2Pen);
}
} // namespace

int main() {
    if (!StartHeadlessGame(ZOR_BENCH_DATA_DIR, "play_frame")) return 0;
    MeasureFrames("play_frame", kWarmUpFrames, kMeasuredFrames, KeepStageBusy);
    return 0;
}
