// The author's pair tools: suggesting rectangles for one pair and making a pair from a photo, timed; how
// many true rectangles of the bundled packs the suggestion finds from the pictures alone; and over the
// test suite's real photographs, the photos that give a pair, the share of fair changes that blend and
// the median CPU time a pair.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "bench/common/BenchFigures.h"
#include "tests/pairs/PhotoScene.h"
#include "tools/packgen/JpegIo.h"
#include "tools/packgen/PairGenerator.h"
#include "tools/packgen/PhotoPair.h"
#include "tools/packgen/SuggestRecall.h"
#include "tools/packgen/Theme.h"
#include "tools/pairs/DifferenceFinder.h"

namespace {
constexpr int kPhotoWidth = 1200, kPhotoHeight = 900; // a landscape photo, centre-cropped

RgbImage GeneratedStage() {
    GeneratedPair pair;
    std::string error;
    GeneratePair(FindTheme("park"), 3, 42, pair, error);
    RgbImage stage;
    DecodeJpeg(pair.jpeg, pair_layout::kImageWidth, stage, error);
    return stage;
}

void BM_SuggestRectangles(benchmark::State& state) {
    const RgbImage stage = GeneratedStage();
    for (auto _ : state) benchmark::DoNotOptimize(SuggestRectangles(stage).size());
}
BENCHMARK(BM_SuggestRectangles)->Unit(benchmark::kMillisecond);

void BM_PhotoPair(benchmark::State& state) {
    const RgbImage photo = RenderPhotoScene(1, kPhotoWidth, kPhotoHeight);
    uint64_t seed = 1;
    int tries = 0;
    for (auto _ : state) {
        PhotoPair pair;
        std::string error;
        MakePhotoPair(photo, {}, seed++, pair, error);
        tries += pair.tries;
    }
    state.counters["tries_per_pair"] = benchmark::Counter(tries, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PhotoPair)->Unit(benchmark::kMillisecond)->Iterations(5);

// The bundled packs of the data directory named by ZOR_TEST_DATA_DIR, else of the build's.
std::vector<std::string> BundledPacks() {
    const char* env = std::getenv("ZOR_TEST_DATA_DIR");
    std::vector<std::string> packs;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(env ? env : ZOR_BENCH_DATA_DIR, ec)) {
        if (entry.path().extension() == ".zor") packs.push_back(entry.path().string());
    }
    std::sort(packs.begin(), packs.end());
    return packs;
}

void ReportPhotoSet() {
    std::vector<std::string> photos;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(ZOR_PHOTO_SET_DIR, ec))
        if (entry.path().extension() == ".jpg") photos.push_back(entry.path().string());
    if (photos.empty()) {
        std::fprintf(stderr, "photo set: no photos in %s\n", ZOR_PHOTO_SET_DIR);
        return;
    }
    std::sort(photos.begin(), photos.end());
    int made = 0, fair = 0, blending = 0;
    std::vector<double> milliseconds;
    for (const std::string& path : photos) {
        PhotoPair pair;
        std::string error;
        const std::clock_t start = std::clock();
        made += MakePhotoPairFromFile(path, {}, 1, pair, error);
        milliseconds.push_back(1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC);
        fair += pair.fairEdits, blending += pair.blendingEdits;
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const std::string of = "of " + std::to_string(photos.size()) + " photos";
    ReportFigure("photo_set_pairs", made, of);
    ReportFigure("photo_set_blend_share", fair ? double(blending) / fair : 0,
                 "of " + std::to_string(fair) + " fair changes");
    ReportFigure("photo_set_pair_cpu", milliseconds[milliseconds.size() / 2], "ms (median)");
}

void ReportRecall() {
    const std::vector<std::string> packs = BundledPacks();
    SuggestRecall recall;
    std::string error;
    if (packs.empty() || !MeasureSuggestRecall(packs, recall, error)) {
        std::fprintf(stderr, "suggest_recall: no bundled packs to measure %s\n", error.c_str());
        return;
    }
    ReportFigure("suggest_recall", recall.Fraction(),
                 "of " + std::to_string(recall.rectangles) + " rectangles");
}
} // namespace

int main(int argc, char** argv) {
    const BenchTimes times = RunBenchmarks(argc, argv);
    for (const auto& [name, bench] :
         {std::pair{"suggest_pair", "BM_SuggestRectangles"}, {"photo_pair", "BM_PhotoPair"}})
        if (auto it = times.find(bench); it != times.end()) ReportFigure(name, it->second.real / 1e6, "ms");
    ReportRecall();
    ReportPhotoSet();
    return 0;
}
