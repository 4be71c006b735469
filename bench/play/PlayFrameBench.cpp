// The cost of one frame of play (update and draw of a 640x480 stage with two players, sparks flying and
// marks blending), measured headless over thousands of frames: median and 99th percentile, against a
// memcpy of one screen in the same run, and the allocations made inside the frame loop (should be none).
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
#include "game/gfx/Globals.h"
#include "game/play/Globals.h"
#include "game/play/Stage.h"
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

double RunFrame(int frame) {
    const auto start = std::chrono::steady_clock::now();
    KeepStageBusy(frame);
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
        std::printf("play_frame: no built data in %s; skipped\n", data.c_str());
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

    for (int f = 0; f < kWarmUpFrames; ++f) RunFrame(f);
    std::vector<double> times(kMeasuredFrames);
    const long before = gAllocations.load();
    for (int f = 0; f < kMeasuredFrames; ++f) times[f] = RunFrame(kWarmUpFrames + f);
    const long allocations = gAllocations.load() - before;

    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p99 = times[times.size() * 99 / 100];
    std::printf("play frame over %d frames: median %.1f us, 99th percentile %.1f us, %ld allocations\n",
                kMeasuredFrames, median, p99, allocations);
    ReportFigure("play_frame_median", median, "us");
    ReportFigure("play_frame_p99", p99, "us");
    ReportFigure("play_frame_vs_memcpy_screen", median / MemcpyOfOneScreen(), "x");
    ReportFigure("play_frame_allocations", double(allocations), "count");
    return 0;
}
