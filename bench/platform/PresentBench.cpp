// The present path: one 640x480 frame converted and uploaded to the window's streaming texture and shown
// by SDL's software renderer on the dummy video driver, against a memcpy of one screen in the same run.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "bench/common/BenchFigures.h"
#include "platform/sdl/SdlHandles.h"
#include "platform/sdl/SdlVideo.h"

namespace {
constexpr int kWidth = 640, kHeight = 480;
constexpr size_t kPixels = size_t(kWidth) * kHeight;
constexpr int kRepetitions = 5;

std::vector<uint16_t> RandomFrame() {
    std::vector<uint16_t> frame(kPixels);
    std::mt19937 random(5);
    for (uint16_t& p : frame) p = static_cast<uint16_t>(random());
    return frame;
}

SdlVideo* gVideo = nullptr;

void PresentFrame(benchmark::State& state) {
    if (!gVideo) return state.SkipWithError("no video");
    const std::vector<uint16_t> frame = RandomFrame();
    for (auto _ : state) gVideo->Present(frame.data(), kWidth, kHeight, kWidth);
}
BENCHMARK(PresentFrame)->Repetitions(kRepetitions);

void MemcpyScreen(benchmark::State& state) {
    const std::vector<uint16_t> from = RandomFrame();
    std::vector<uint16_t> to(kPixels);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kPixels * sizeof(uint16_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemcpyScreen)->Repetitions(kRepetitions);
} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0); // headless unless another driver is asked for
    SdlLibrary sdl;
    SdlVideo video;
    VideoMode mode;
    mode.windowed = true;
    if (video.Create(kWidth, kHeight, mode))
        gVideo = &video;
    else
        std::printf("present: %s\n", video.Error().c_str());
    const BenchTimes times = RunBenchmarks(argc, argv);
    ReportRatio(times, "present_vs_memcpy_screen", "PresentFrame", "MemcpyScreen");
    if (auto it = times.find("PresentFrame"); it != times.end())
        ReportFigure("present_frame", it->second.real / 1e3, "us");
    return 0;
}
