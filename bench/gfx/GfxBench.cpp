#include "bench/common/BenchFigures.h"
// Speed of the drawing that runs every frame or every change of screen, against a memcpy of the same
// buffers measured in the same run. Ends with summary lines "NAME: VALUE UNIT".
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>

#include "game/gfx/FadeBlend.h"
#include "game/gfx/Globals.h"
#include "game/gfx/Text.h"
#include "platform/sdl/SdlGlyphRasterizer.h"

namespace {
constexpr size_t kScreenPixels = size_t(kScreenWidth) * kScreenHeight;
// Twenty Hangul syllables in code page 949: "가나다라마바사아자차카타파하거너더러머버".
constexpr const char* kKoreanLine =
    "\xb0\xa1\xb3\xaa\xb4\xd9\xb6\xf3\xb8\xb6\xb9\xd9\xbb\xe7\xbe\xc6\xc0\xda\xc2\xf7"
    "\xc4\xab\xc5\xb8\xc6\xc4\xc7\xcf\xb0\xc5\xb3\xca\xb4\xf5\xb7\xaf\xb8\xd3\xb9\xf6";

void FillRandom(PixelBuffer& p, unsigned seed) {
    std::mt19937 random(seed);
    for (size_t i = 0; i < kScreenPixels; ++i) p.Data()[i] = static_cast<uint16_t>(random());
}

// A 640x480 back surface and the fade tables, without a window.
void SetUpScreen() {
    if (gFadeTables.Built()) return;
    gDisplay.screenWidth = kScreenWidth;
    gDisplay.screenHeight = kScreenHeight;
    gDisplay.lowDDBack = std::make_unique<PixelBuffer>(kScreenWidth, kScreenHeight);
    FillRandom(*gDisplay.lowDDBack, 1);
    BuildFadeTables();
    FillRandom(*gFadeTables.workA, 2);
    FillRandom(*gFadeTables.workB, 3);
}

// Ratios to the baseline below are taken between the fastest of several runs of each.
constexpr int kRepetitions = 5;

void CrossFadeStep(benchmark::State& state) {
    SetUpScreen();
    for (auto _ : state) {
        gFadeTables.BlendStep(7);
        benchmark::DoNotOptimize(gFadeTables.work0->Data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CrossFadeStep)->Repetitions(kRepetitions);

// The same step with each blend kernel the processor can run (the step above uses the last).
void CrossFadeStepWith(benchmark::State& state, const FadeBlendKernel& kernel) {
    SetUpScreen();
    for (auto _ : state) {
        BlendLevelsWith(kernel, gPixelConversion, kFadeTopLevel - 2 * 7, gFadeTables.workA->Data(),
                        gFadeTables.workB->Data(), gFadeTables.work0->Data(), kScreenPixels);
        benchmark::DoNotOptimize(gFadeTables.work0->Data());
        benchmark::ClobberMemory();
    }
}

std::string KernelBenchmarkName(const FadeBlendKernel& kernel) {
    return std::string("CrossFadeStep_") + kernel.name;
}

void RegisterKernelBenchmarks() {
    for (const FadeBlendKernel& kernel : FadeBlendKernels())
        benchmark::RegisterBenchmark(KernelBenchmarkName(kernel).c_str(), CrossFadeStepWith, kernel)
            ->Repetitions(kRepetitions);
}

// The baseline: the two screens copied into work 0 (every byte of the three buffers touched).
void MemcpyThreeBuffers(benchmark::State& state) {
    SetUpScreen();
    const size_t bytes = kScreenPixels * sizeof(uint16_t);
    for (auto _ : state) {
        std::memcpy(gFadeTables.work0->Data(), gFadeTables.workA->Data(), bytes);
        std::memcpy(gFadeTables.work0->Data(), gFadeTables.workB->Data(), bytes);
        benchmark::DoNotOptimize(gFadeTables.work0->Data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemcpyThreeBuffers)->Repetitions(kRepetitions);

void BuildTables(benchmark::State& state) {
    std::vector<uint16_t> tables;
    for (auto _ : state) {
        FillFadeTables(tables, ConversionFor(PixelLayout::Rgb565));
        benchmark::DoNotOptimize(tables.data());
    }
    state.SetLabel("tables only");
}
BENCHMARK(BuildTables)->Unit(benchmark::kMillisecond);

void BuildFadeTablesWithSurfaces(benchmark::State& state) {
    for (auto _ : state) {
        gFadeTables = FadeTables{};
        BuildFadeTables();
        benchmark::DoNotOptimize(gFadeTables.tables.data());
    }
    gFadeTables = FadeTables{};
}
BENCHMARK(BuildFadeTablesWithSurfaces)->Unit(benchmark::kMillisecond);

void BlendCell70x59(benchmark::State& state) {
    SetUpScreen();
    Surface cell;
    cell.CreatePlatformSurface(70, 59);
    std::mt19937 random(4);
    for (int i = 0; i < 70 * 59; ++i) cell.surface->Data()[i] = i % 5 ? static_cast<uint16_t>(random()) : 0;
    cell.FinishLoad(70, 59);
    for (auto _ : state) {
        cell.BlendCell(300, 200, 0, 1, 15);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BlendCell70x59);

SdlGlyphRasterizer& Glyphs() {
    static SdlGlyphRasterizer glyphs;
    return glyphs;
}

bool SetUpText() {
    SetUpScreen();
    if (!Glyphs().Ready()) return false;
    gTextCache.SetRasterizer(&Glyphs());
    gDisplay.font = MakeFont(16, 600, "Arial");
    return gDisplay.font != kNoFont;
}

// A line drawn every frame: rendered once, then blended from the cache.
void PutTextKorean20(benchmark::State& state) {
    if (!SetUpText()) return state.SkipWithError("no fonts");
    for (auto _ : state) {
        PutText(100, 100, 0xFFFFFF, kKoreanLine);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PutTextKorean20);

// The same line rendered anew at every call (a line that changes every frame).
void PutTextKorean20Uncached(benchmark::State& state) {
    if (!SetUpText()) return state.SkipWithError("no fonts");
    for (auto _ : state) {
        gTextCache.SetRasterizer(&Glyphs());
        PutText(100, 100, 0xFFFFFF, kKoreanLine);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PutTextKorean20Uncached);

} // namespace

int main(int argc, char** argv) {
    RegisterKernelBenchmarks();
    const BenchTimes times = RunBenchmarks(argc, argv);
    ReportRatio(times, "crossfade_step_vs_memcpy", "CrossFadeStep", "MemcpyThreeBuffers");
    for (const FadeBlendKernel& kernel : FadeBlendKernels())
        ReportRatio(times, std::string("crossfade_step_") + kernel.name + "_vs_memcpy",
                    KernelBenchmarkName(kernel), "MemcpyThreeBuffers");
    auto figure = [&times](const char* name, const char* bench, double scale, const char* unit) {
        if (auto it = times.find(bench); it != times.end()) ReportFigure(name, it->second.real / scale, unit);
    };
    figure("crossfade_step", "CrossFadeStep", 1e6, "ms");
    figure("build_fade_tables", "BuildFadeTablesWithSurfaces", 1e6, "ms");
    figure("blend_cell_70x59", "BlendCell70x59", 1e3, "us");
    figure("put_text_korean20", "PutTextKorean20", 1e3, "us");
    figure("put_text_korean20_uncached", "PutTextKorean20Uncached", 1e3, "us");
    return 0;
}
