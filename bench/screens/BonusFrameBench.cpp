// The cost of one frame of the bonus stage (update and draw of the table with open, matched and marked
// cards, both hands and the gauge), headless: median and 99th percentile against a memcpy of one screen in
// the same run, and the allocations made inside the frame loop (should be none).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <vector>

#include "bench/common/BenchFigures.h"
#include "game/control/Globals.h"
#include "game/play/Globals.h"
#include "game/play/Stage.h"
#include "game/screens/Globals.h"
#include "game/shell/Globals.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/Presenter.h"

namespace {
std::atomic<long> gAllocations{0};

class NullPresenter : public Presenter {
  public:
    PixelFormatDescription Format() const override { return {}; }
    bool Present(const uint16_t*, int, int, int) override { return true; }
};

class SilentBox : public MessageBox {
  public:
    void Show(std::string_view, std::string_view) override {}
};

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

double RunFrame(int frame) {
    const auto start = std::chrono::steady_clock::now();
    KeepTableBusy(frame);
    gFrame.FrameUpdate();
    gFrame.FrameDraw();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

double MemcpyOfOneScreen() {
    std::vector<uint16_t> from(640 * 480, 1), to(640 * 480);
    std::vector<double> times;
    for (int i = 0; i < 1000; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint16_t));
        times.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        from[i % from.size()] = to[(i * 7) % to.size()];
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

void* operator new(size_t size) {
    ++gAllocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}

int main() {
    const std::filesystem::path data = ZOR_BENCH_DATA_DIR;
    if (!std::filesystem::exists(data / "sample.map")) {
        std::printf("bonus_frame: no built data in %s; skipped\n", data.c_str());
        return 0;
    }
    std::filesystem::current_path(data);
    NullPresenter presenter;
    VirtualClock clock;
    SilentBox box;
    PlatformServices platform;
    platform.presenter = &presenter;
    platform.clock = &clock;
    platform.messages = &box;
    if (!gFrame.LoadFrame(platform, "sample.map")) return 1;
    gController.stageNumber = 5;
    StartBonus();
    gStageBanner.state = CStageBanner::Hidden;

    for (int f = 0; f < kWarmUpFrames; ++f) RunFrame(f);
    std::vector<double> times(kMeasuredFrames);
    const long before = gAllocations.load();
    for (int f = 0; f < kMeasuredFrames; ++f) times[f] = RunFrame(kWarmUpFrames + f);
    const long allocations = gAllocations.load() - before;

    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p99 = times[times.size() * 99 / 100];
    std::printf("bonus frame over %d frames: median %.1f us, 99th percentile %.1f us, %ld allocations\n",
                kMeasuredFrames, median, p99, allocations);
    ReportFigure("bonus_frame_median", median, "us");
    ReportFigure("bonus_frame_p99", p99, "us");
    ReportFigure("bonus_frame_vs_memcpy_screen", median / MemcpyOfOneScreen(), "x");
    ReportFigure("bonus_frame_allocations", double(allocations), "count");
    return 0;
}
