#include "bench/common/FrameBench.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/common/BenchFigures.h"
#include "bench/common/CountingAllocator.h"
#include "game/control/Globals.h"
#include "game/io/Globals.h"
#include "game/play/Globals.h"
#include "game/play/Stage.h"
#include "game/shell/Globals.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/Presenter.h"

namespace {
class NullPresenter : public Presenter {
  public:
    PixelFormatDescription Format() const override { return {}; }
    bool Present(const uint16_t*, int, int, int) override { return true; }
};

class SilentBox : public MessageBox {
  public:
    void Show(std::string_view, std::string_view) override {}
};

NullPresenter gPresenter;
VirtualClock gClock;
SilentBox gBox;

using Micros = std::chrono::duration<double, std::micro>;

double TimeFrame(void (*keepBusy)(int), int frame) {
    const auto start = std::chrono::steady_clock::now();
    keepBusy(frame);
    gFrame.FrameUpdate(FrameCommands{{gCommandSampler.Sample(), {}}});
    gFrame.FrameDraw();
    return Micros(std::chrono::steady_clock::now() - start).count();
}

double MemcpyOfOneScreen() {
    std::vector<uint16_t> from(640 * 480, 1), to(640 * 480);
    std::vector<double> times;
    for (int i = 0; i < 1000; ++i) {
        const auto start = std::chrono::steady_clock::now();
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint16_t));
        times.push_back(Micros(std::chrono::steady_clock::now() - start).count());
        from[i % from.size()] = to[(i * 7) % to.size()];
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
} // namespace

bool StartHeadlessGame(const char* dataDir, const char* label) {
    const std::filesystem::path data = dataDir;
    if (!std::filesystem::exists(data / "sample.map")) {
        std::printf("%s: no built data in %s; skipped\n", label, data.c_str());
        return false;
    }
    std::filesystem::current_path(data);
    PlatformServices platform;
    platform.presenter = &gPresenter;
    platform.clock = &gClock;
    platform.messages = &gBox;
    return gFrame.LoadFrame(platform, "sample.map");
}

namespace {
// The frame times, sorted, and the allocations made while the measured frames ran.
std::vector<double> SortedFrameTimes(int warmUp, int measured, void (*keepBusy)(int frame),
                                     long& allocations) {
    for (int f = 0; f < warmUp; ++f) TimeFrame(keepBusy, f);
    std::vector<double> times(static_cast<size_t>(measured));
    const long before = AllocationCount();
    for (int f = 0; f < measured; ++f) times[size_t(f)] = TimeFrame(keepBusy, warmUp + f);
    allocations = AllocationCount() - before;
    std::sort(times.begin(), times.end());
    return times;
}
} // namespace

double MedianFrame(int warmUp, int measured, void (*keepBusy)(int frame)) {
    long allocations = 0;
    const std::vector<double> times = SortedFrameTimes(warmUp, measured, keepBusy, allocations);
    return times[times.size() / 2];
}

void KeepPlayBusy(int frame) {
    constexpr int kBurstEvery = 10;
    gPlayer1Pen.lives = gPlayer2Pen.lives = CGameController::kStartLives;
    gController.timeGauge = CGameController::kStageTimeGauge;
    for (int k = 0; k < CDifferenceMap::kDifferences; ++k) {
        gDifferenceMap.finders[k] = 1 + k % 2;
        gDifferenceMap.marks[k] = {40 + 50 * k, 100 + 40 * k};
    }
    if (frame % kBurstEvery == 0) LoseLife(frame % 20 == 0 ? gPlayer1Pen : gPlayer2Pen);
}

double MeasureFrames(const char* label, int warmUp, int measured, void (*keepBusy)(int frame)) {
    long allocations = 0;
    const std::vector<double> times = SortedFrameTimes(warmUp, measured, keepBusy, allocations);
    const double median = times[times.size() / 2];
    const double p99 = times[times.size() * 99 / 100];
    std::printf("%s over %d frames: median %.1f us, 99th percentile %.1f us, %ld allocations\n", label,
                measured, median, p99, allocations);
    const std::string name = label;
    ReportFigure(name + "_median", median, "us");
    ReportFigure(name + "_p99", p99, "us");
    ReportFigure(name + "_vs_memcpy_screen", median / MemcpyOfOneScreen(), "x");
    ReportFigure(name + "_allocations", double(allocations), "count");
    return median;
}
