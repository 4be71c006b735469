// Speed of the editor's picture readers on 640x480 files, against a reference read of the same file in
// the same run: giflib's decode of the GIF (in process, colours mapped to RGB like ours), and for BMP
// the bare read of the file's bytes (no BMP library is linked; ImageMagick runs as a program).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "bench/common/BenchFigures.h"
#include "codecs/BmpFile.h"
#include "codecs/GifFile.h"
#include "tests/support/GifFiles.h"
#include "tests/support/GiflibDecode.h"
#include "tests/support/TestFiles.h"

namespace {
constexpr int kWidth = 640, kHeight = 480;

// A picture with smooth areas, edges and a little noise: the palette index of a 3-3-2 colour cube.
std::vector<uint8_t> PictureIndices() {
    std::mt19937 random(11);
    std::vector<uint8_t> v(size_t(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double d = std::hypot(x - 320.0, y - 240.0);
            const int r = (x * 8 / kWidth + (random() % 16 == 0)) & 7;
            const int g = (int(d / 40) + (y > 300 ? 3 : 0)) & 7;
            const int b = ((x / 80 + y / 60) & 1) ? 3 : (y * 4 / kHeight);
            v[size_t(y) * kWidth + x] = uint8_t(r << 5 | g << 2 | b);
        }
    return v;
}

std::vector<Rgb> CubePalette() {
    std::vector<Rgb> p;
    for (int i = 0; i < 256; ++i)
        p.push_back({uint8_t((i >> 5) * 36), uint8_t(((i >> 2) & 7) * 36), uint8_t((i & 3) * 85)});
    return p;
}

std::vector<uint8_t> MakeBmp24(const std::vector<uint8_t>& indices, const std::vector<Rgb>& palette) {
    std::vector<uint8_t> f(54, 0);
    f[0] = 'B';
    f[1] = 'M';
    PutLe(f, 10, 54, 4);
    PutLe(f, 14, 40, 4);
    PutLe(f, 18, kWidth, 4);
    PutLe(f, 22, kHeight, 4);
    PutLe(f, 26, 1, 2);
    PutLe(f, 28, 24, 2);
    for (int y = kHeight - 1; y >= 0; --y)
        for (int x = 0; x < kWidth; ++x) {
            const Rgb c = palette[indices[size_t(y) * kWidth + x]];
            f.insert(f.end(), {c.b, c.g, c.r});
        }
    return f;
}

struct Files {
    TempDir dir;
    std::string gif, bmp;
    Files() {
        const std::vector<uint8_t> indices = PictureIndices();
        const std::vector<Rgb> palette = CubePalette();
        GifImage image;
        image.width = kWidth;
        image.height = kHeight;
        image.values = indices;
        gif = dir.Write("picture.gif", GifBuilder(kWidth, kHeight, palette).Image(image).Done());
        bmp = dir.Write("picture.bmp", MakeBmp24(indices, palette));
    }
};

const Files& TheFiles() {
    static Files files;
    return files;
}

struct DropPixels : PictureHolder {
    void ReplacePixels(uint32_t, uint32_t, std::unique_ptr<uint8_t[]> p) override {
        benchmark::DoNotOptimize(p.get());
    }
};

void GifRead(benchmark::State& state) {
    GifFile gif;
    for (auto _ : state) {
        uint32_t w = 0, h = 0;
        auto rgb = gif.GIFRead(TheFiles().gif.c_str(), &w, &h);
        if (!rgb) return state.SkipWithError(gif.m_errorText.c_str());
        benchmark::DoNotOptimize(rgb.get());
    }
}
BENCHMARK(GifRead)->Unit(benchmark::kMillisecond);

void GiflibRead(benchmark::State& state) {
    for (auto _ : state) {
        GiflibImage image;
        if (!GiflibFirstImage(TheFiles().gif.c_str(), image)) return state.SkipWithError("giflib refused");
        benchmark::DoNotOptimize(image.rgb.data());
    }
}
BENCHMARK(GiflibRead)->Unit(benchmark::kMillisecond);

void BmpRead(benchmark::State& state) {
    DropPixels holder;
    for (auto _ : state)
        if (!LoadBmp(TheFiles().bmp.c_str(), holder)) return state.SkipWithError("BMP refused");
}
BENCHMARK(BmpRead)->Unit(benchmark::kMillisecond);

// The baseline for BMP: the file's bytes read into a new buffer of the picture's size.
void BmpFileBytes(benchmark::State& state) {
    for (auto _ : state) {
        std::FILE* f = std::fopen(TheFiles().bmp.c_str(), "rb");
        std::unique_ptr<uint8_t[]> bytes(new uint8_t[size_t(kWidth) * kHeight * 3 + 54]);
        const size_t got = std::fread(bytes.get(), 1, size_t(kWidth) * kHeight * 3 + 54, f);
        std::fclose(f);
        benchmark::DoNotOptimize(got);
        benchmark::DoNotOptimize(bytes.get());
    }
}
BENCHMARK(BmpFileBytes)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
    const BenchTimes times = RunBenchmarks(argc, argv);
    ReportRatio(times, "gif_640x480_vs_giflib", "GifRead", "GiflibRead");
    ReportRatio(times, "bmp24_640x480_vs_file_read", "BmpRead", "BmpFileBytes");
    for (const auto& [name, bench] :
         {std::pair{"gif_640x480_read", "GifRead"}, {"bmp24_640x480_read", "BmpRead"}})
        if (auto it = times.find(bench); it != times.end()) ReportFigure(name, it->second.real / 1e6, "ms");
    return 0;
}
