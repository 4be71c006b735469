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
    gFrame.FrameUpdate();
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

void MeasureFrames(const char* label, int warmUp, int measured, void (*keepBusy)(int frame)) {
    for (int f = 0; f < warmUp; ++f) TimeFrame(keepBusy, f);
    std::vector<double> times(static_cast<size_t>(measured));
    const long before = AllocationCount();
    for (int f = 0; f < measured; ++f) times[size_t(f)] = TimeFrame(keepBusy, warmUp + f);
    const long allocations = AllocationCount() - before;

    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p99 = times[times.size() * 99 / 100];
    std::printf("%s over %d frames: median %.1f us, 99th percentile %.1f us, %ld allocations\n", label,
                measured, median, p99, allocations);
    const std::string name = label;
    ReportFigure(name + "_median", median, "us");
    ReportFigure(name + "_p99", p99, "us");
    ReportFigure(name + "_vs_memcpy_screen", median / MemcpyOfOneScreen(), "x");
    ReportFigure(name + "_allocations", double(allocations), "count");
}
