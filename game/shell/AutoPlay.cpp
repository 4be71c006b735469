#include "game/shell/AutoPlay.h"

#include <algorithm>
#include <fstream>
#include <thread>
#include <unistd.h>

#include "game/control/Globals.h"
#include "game/play/Globals.h"
#include "game/screens/Globals.h"
#include "game/shell/Globals.h"

namespace {
constexpr int kWarmUpStages = 10;
// A scripted run's virtual clock lets frames follow each other at once; while the game waits for a pair
// the run keeps the real pace instead, so that the wait is counted in real frames and leaves the processor
// to the maker.
constexpr auto kWaitingFrame =
    std::chrono::milliseconds(45); // the allocator's pools and the caches fill during the first stages
constexpr uint8_t kEnter = 13;
constexpr int kFoundAnimationStart = 4; // the pen step a find starts, as a click that hits does
} // namespace

long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    if (!(statm >> pages >> resident)) return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

AutoPlay::~AutoPlay() {
    std::fprintf(stderr, "autoplay: stages=%d waits=%d longest_frame_ms=%.1f\n", lastStage_,
                 gController.made.loadingWaits, double(longestFrame_.count()) / 1000.0);
    if (firstRssKb_ >= 0)
        std::fprintf(stderr, "autoplay: rss_kb stage%d=%ld last=%ld peak=%ld growth=%ld\n", kWarmUpStages,
                     firstRssKb_, lastRssKb_, peakRssKb_, peakRssKb_ - firstRssKb_);
}

void AutoPlay::FindOne() {
    for (int k = 0; k < CDifferenceMap::kDifferences; ++k) {
        if (gDifferenceMap.finders[k] != CDifferenceMap::kHidden) continue;
        const Rect& r = gDifferenceMap.rects[k];
        gPlayer1Pen.x = (r.left + r.right) / 2 - Pen::kTipX;
        gPlayer1Pen.y = (r.top + r.bottom) / 2 - Pen::kTipY;
        if (gDifferenceMap.HitTest(gPlayer1Pen)) gPlayer1Pen.animStep = kFoundAnimationStart;
        return;
    }
}

void AutoPlay::NoteStage() {
    lastStage_ = gController.stageNumber;
    if (lastStage_ < kWarmUpStages) return;
    lastRssKb_ = ResidentKb();
    if (firstRssKb_ < 0) firstRssKb_ = lastRssKb_;
    peakRssKb_ = std::max(peakRssKb_, lastRssKb_);
}

void AutoPlay::AfterFrame(int frame) {
    const auto now = std::chrono::steady_clock::now();
    if (lastFrame_ != std::chrono::steady_clock::time_point{})
        longestFrame_ =
            std::max(longestFrame_, std::chrono::duration_cast<std::chrono::microseconds>(now - lastFrame_));
    CGameController& c = gController;
    const bool playing = c.mode == ModePlay || c.mode == ModeBonus || c.mode == ModeLoading;
    played_ = played_ || playing;
    if (c.mode == ModePlay && c.stageNumber != lastStage_) NoteStage();
    if (gRankBoard.nameEntry) {
        gRankBoard.OnTypedChar(kEnter);
    } else if (c.mode == ModePlay && gStageBanner.state == CStageBanner::Hidden && c.timeGauge > 0 &&
               frame % every_ == 0) {
        FindOne();
    }
    const bool cleared = stopAfter_ > 0 && c.mode == ModePlay && c.stageNumber >= stopAfter_ &&
                         gDifferenceMap.Remaining() == 0 && c.timeGauge <= 0;
    const bool backAtMenu = played_ && (c.mode == ModePackSelect || c.mode == ModeTitle);
    if (cleared || backAtMenu) PostClose();
    if (c.mode == ModeLoading) std::this_thread::sleep_for(kWaitingFrame);
    lastFrame_ = std::chrono::steady_clock::now(); // the observer's own work is not the frame's
}
