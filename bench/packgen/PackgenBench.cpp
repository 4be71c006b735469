// Time to make and verify one pair and one pack, against a baseline in the same run: one JPEG round trip
// (encode and decode) of a stage picture, the least that making a verified pair must do.
#include <benchmark/benchmark.h>

#include "bench/common/BenchFigures.h"

#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PackBuilder.h"
#include "tools/packgen/Renderer.h"
#include "tools/packgen/SceneComposer.h"
#include "tools/packgen/Theme.h"

namespace {
const int kTheme = FindTheme("park");
constexpr int kDifficulty = 3;

RgbImage StagePicture() {
    Rng rng(1);
    const RgbImage picture = RenderPicture(ComposeScene(kTheme, rng));
    return ComposeStage(picture, picture);
}

void BM_BaselineJpegRoundTrip(benchmark::State& state) {
    const RgbImage stage = StagePicture();
    for (auto _ : state) {
        RgbImage decoded;
        std::string error;
        DecodeJpeg(EncodeJpeg(stage, kPackJpegQuality), 640, decoded, error);
        benchmark::DoNotOptimize(decoded.pixels.data());
    }
}
BENCHMARK(BM_BaselineJpegRoundTrip)->Unit(benchmark::kMillisecond);

void BM_VerifyPair(benchmark::State& state) {
    const RgbImage stage = StagePicture();
    const DifferenceMap map{};
    for (auto _ : state) benchmark::DoNotOptimize(VerifyPair(stage, map).strayPixels);
}
BENCHMARK(BM_VerifyPair)->Unit(benchmark::kMillisecond);

void BM_GenerateVerifiedPair(benchmark::State& state) {
    uint64_t seed = 1;
    int tries = 0;
    for (auto _ : state) {
        GeneratedPair pair;
        std::string error;
        GeneratePair(kTheme, kDifficulty, seed++, pair, error);
        tries += pair.tries;
    }
    state.counters["tries_per_pair"] = benchmark::Counter(tries, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GenerateVerifiedPair)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_BuildPack(benchmark::State& state) {
    uint64_t seed = 1;
    for (auto _ : state) {
        std::vector<uint8_t> archive;
        std::string error;
        BuildPack({kTheme, kDifficulty, seed++}, nullptr, archive, error);
        benchmark::DoNotOptimize(archive.data());
    }
}
BENCHMARK(BM_BuildPack)->Unit(benchmark::kMillisecond)->Iterations(2);
} // namespace

int main(int argc, char** argv) {
    const BenchTimes times = RunBenchmarks(argc, argv);
    ReportRatio(times, "packgen_pair_vs_jpeg_round_trip", "BM_GenerateVerifiedPair",
                "BM_BaselineJpegRoundTrip");
    ReportRatio(times, "packgen_pack_vs_jpeg_round_trip", "BM_BuildPack", "BM_BaselineJpegRoundTrip");
    for (const auto& [name, bench] :
         {std::pair{"packgen_pair", "BM_GenerateVerifiedPair"}, {"packgen_pack", "BM_BuildPack"}})
        if (auto it = times.find(bench); it != times.end()) ReportFigure(name, it->second.real / 1e6, "ms");
    return 0;
}
