// The stage-picture load (extract from a pack, decode, row helpers, packing into a 565 surface) against
// djpeg decoding the same file to a PPM; Archive::Open of a full directory with 500 lookups against a
// plain read of the same directory bytes.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "bench/common/BenchFigures.h"
#include "game/gfx/Archive.h"
#include "game/gfx/Surface.h"
#include "tests/support/JpegEncode.h"
#include "tests/support/TestFiles.h"
#include "tools/common/ArchiveWriter.h"

extern char** environ;

namespace {
constexpr int kStageWidth = 640;
constexpr int kStageHeight = 480;
constexpr int kStageQuality = 85;
constexpr int kDirectoryEntries = 500;
constexpr const char* kStageEntry = "stage01.jpg";

// A picture with smooth shapes and fine grain, closer to a photograph than a flat test card.
std::vector<uint8_t> StagePixels() {
    std::vector<uint8_t> p(size_t(kStageWidth) * kStageHeight * 3);
    uint32_t seed = 12345;
    for (int y = 0; y < kStageHeight; ++y)
        for (int x = 0; x < kStageWidth; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 28) - 8;
            uint8_t* px = &p[(size_t(y) * kStageWidth + x) * 3];
            px[0] =
                uint8_t(std::clamp(128 + int(100 * std::sin(x * 0.02) * std::cos(y * 0.03)) + grain, 0, 255));
            px[1] = uint8_t(std::clamp(int((x + y) * 255 / (kStageWidth + kStageHeight)) + grain, 0, 255));
            px[2] = uint8_t(std::clamp(128 + int(90 * std::cos((x - y) * 0.015)) + grain, 0, 255));
        }
    return p;
}

struct Fixture {
    TempDir dir;
    std::string looseJpeg, pack, directory, ppm;
    std::vector<std::string> names;

    Fixture() {
        const auto jpeg = EncodeJpeg(StagePixels(), kStageWidth, kStageHeight, 3, JCS_RGB, kStageQuality);
        looseJpeg = dir.Write(kStageEntry, jpeg);
        ppm = dir.Path("stage01.ppm");
        ArchiveWriter packWriter;
        packWriter.Add("stage00.jpg", jpeg);
        packWriter.Add("stage00.map", std::vector<uint8_t>(80, 1));
        packWriter.Add(kStageEntry, jpeg);
        packWriter.Add("stage01.map", std::vector<uint8_t>(80, 1));
        pack = dir.Path("bench.zor");
        packWriter.WriteTo(pack);

        ArchiveWriter full;
        for (int i = 0; i < kDirectoryEntries; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "picture%03d.bmp", i);
            full.Add(name, std::vector<uint8_t>(16, uint8_t(i)));
            // Looked up in capitals, so every comparison folds case.
            std::string upper(name);
            for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
            names.push_back(upper);
        }
        directory = dir.Path("full.res");
        full.WriteTo(directory);
    }
};

Fixture& Data() {
    static Fixture f;
    return f;
}

void BM_StageLoad(benchmark::State& state) {
    Archive pack;
    pack.Open(Data().pack);
    Surface stage;
    for (auto _ : state) {
        if (!stage.LowLoadJpeg(&pack, kStageEntry, 0, 0)) state.SkipWithError("stage picture did not load");
        benchmark::DoNotOptimize(stage.bits);
    }
}
BENCHMARK(BM_StageLoad)->Unit(benchmark::kMillisecond);

// djpeg's own processor time per run (user + system), which a loaded machine disturbs less than wall time.
double gDjpegCpuNs = 0;

double ChildCpuNs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto ns = [](const timeval& t) { return double(t.tv_sec) * 1e9 + double(t.tv_usec) * 1e3; };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

void BM_DjpegToPpm(benchmark::State& state) {
    std::string program = "djpeg", outFlag = "-outfile", out = Data().ppm, in = Data().looseJpeg;
    char* argv[] = {program.data(), outFlag.data(), out.data(), in.data(), nullptr};
    const double childStart = ChildCpuNs();
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) != 0 ||
            waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("djpeg did not run");
    }
    gDjpegCpuNs = (ChildCpuNs() - childStart) / double(state.iterations());
}
BENCHMARK(BM_DjpegToPpm)->Unit(benchmark::kMillisecond);

void BM_ArchiveOpenFind500(benchmark::State& state) {
    for (auto _ : state) {
        Archive a;
        a.Open(Data().directory);
        int sum = 0;
        for (const std::string& name : Data().names) sum += a.FindOffset(name);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ArchiveOpenFind500)->Unit(benchmark::kMicrosecond);

// The floor for Open: the same 20004 directory bytes read with plain stdio.
void BM_DirectoryRawRead(benchmark::State& state) {
    std::vector<uint8_t> buffer(Archive::kDirectorySize);
    for (auto _ : state) {
        std::FILE* f = std::fopen(Data().directory.c_str(), "rb");
        std::fseek(f, -Archive::kDirectorySize, SEEK_END);
        benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), f));
        std::fclose(f);
    }
}
BENCHMARK(BM_DirectoryRawRead)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv) {
    Data();
    const BenchTimes times = RunBenchmarks(argc, argv);
    if (times.count("BM_StageLoad"))
        ReportFigure("stage_load_640x480", times.at("BM_StageLoad").real / 1e6, "ms");
    if (times.count("BM_DjpegToPpm"))
        ReportFigure("djpeg_to_ppm_640x480", times.at("BM_DjpegToPpm").real / 1e6, "ms");
    ReportRatio(times, "stage_load_vs_djpeg", "BM_StageLoad", "BM_DjpegToPpm");
    if (times.count("BM_StageLoad") && gDjpegCpuNs > 0)
        ReportFigure("stage_load_vs_djpeg_cpu", times.at("BM_StageLoad").cpu / gDjpegCpuNs, "x");
    if (times.count("BM_ArchiveOpenFind500"))
        ReportFigure("archive_open_find_500", times.at("BM_ArchiveOpenFind500").real / 1e3, "us");
    ReportRatio(times, "archive_open_find_vs_raw_read", "BM_ArchiveOpenFind500", "BM_DirectoryRawRead");
    return 0;
}
