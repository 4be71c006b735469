// The cost of one frame of play (update and draw of a 640x480 stage with two players, sparks flying and
// marks blending), headless.
#include "bench/common/FrameBench.h"

namespace {
constexpr int kWarmUpFrames = 1000;
constexpr int kMeasuredFrames = 5000;
} // namespace

int main() {
    if (!StartHeadlessGame(ZOR_BENCH_DATA_DIR, "play_frame")) return 0;
    MeasureFrames("play_frame", kWarmUpFrames, kMeasuredFrames, KeepPlayBusy);
    return 0;
}
