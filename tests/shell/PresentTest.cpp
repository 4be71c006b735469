// Frames shown through SDL: the widening kernels and the picture on the screen, against SDL's own
// conversion of the same 565 pixels.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/sdl/SdlVideo.h"
#include "platform/sdl/WidenPixels.h"
#include "tests/support/TestFiles.h"

namespace {
constexpr int kWidth = 640, kHeight = 480;

// Every 565 value, then three more so that the kernels' plain tails are reached too.
std::vector<uint16_t> EveryValue(size_t count = 65536 + 3) {
    std::vector<uint16_t> pixels(count);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint16_t(i * 40503u); // odd: all values
    return pixels;
}

std::vector<uint32_t> SdlWidened(const std::vector<uint16_t>& from, Uint32 format) {
    std::vector<uint32_t> to(from.size());
    const int n = int(from.size());
    EXPECT_EQ(SDL_ConvertPixels(n, 1, SDL_PIXELFORMAT_RGB565, from.data(), n * 2, format, to.data(), n * 4),
              0);
    return to;
}

struct KernelCase {
    const char* name;
    bool avx2;
    Uint32 format;
    WideOrder order;
};
} // namespace

class WidenKernels : public testing::TestWithParam<KernelCase> {};

TEST_P(WidenKernels, MatchSdlsConversionForEveryValue) {
    const KernelCase& c = GetParam();
    if (c.avx2 && !SDL_HasAVX2()) GTEST_SKIP() << "no AVX2 here";
    const std::vector<uint16_t> from = EveryValue();
    std::vector<uint32_t> mine(from.size());
    ChooseWiden(c.avx2)(from.data(), mine.data(), from.size(), c.order);
    const std::vector<uint32_t> sdl = SdlWidened(from, c.format);
    size_t wrong = 0;
    for (size_t i = 0; i < from.size(); ++i) wrong += (mine[i] & 0xFFFFFF) != (sdl[i] & 0xFFFFFF);
    EXPECT_EQ(wrong, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Kernels, WidenKernels,
    testing::Values(KernelCase{"sse2_argb", false, SDL_PIXELFORMAT_ARGB8888, WideOrder::Xrgb},
                    KernelCase{"sse2_abgr", false, SDL_PIXELFORMAT_ABGR8888, WideOrder::Xbgr},
                    KernelCase{"avx2_rgb888", true, SDL_PIXELFORMAT_RGB888, WideOrder::Xrgb},
                    KernelCase{"avx2_bgr888", true, SDL_PIXELFORMAT_BGR888, WideOrder::Xbgr}),
    [](const auto& info) { return std::string(info.param.name); });

// What the window shows, read back, is what SDL made of the 565 frame when it converted the frame itself.
TEST(Present, TheShownPictureIsSdlsConversionOfTheFrame) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    TempDir dir;
    SdlLibrary sdl;
    SdlVideo video;
    VideoMode mode;
    mode.windowed = true;
    ASSERT_TRUE(video.Create(kWidth, kHeight, mode)) << video.Error();
    const std::vector<uint16_t> frame = EveryValue(size_t(kWidth) * kHeight);
    const std::string shot = dir.Path("shot.bmp");
    video.ShootOutput(shot);
    ASSERT_TRUE(video.Present(frame.data(), kWidth, kHeight, kWidth));
    SDL_Surface* read = SDL_LoadBMP(shot.c_str());
    ASSERT_NE(read, nullptr) << SDL_GetError();
    SDL_Surface* shown = SDL_ConvertSurfaceFormat(read, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(read);
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->w, kWidth);
    ASSERT_EQ(shown->h, kHeight);
    const std::vector<uint32_t> expected = SdlWidened(frame, SDL_PIXELFORMAT_RGB888);
    size_t wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(shown->pixels) +
                                                            size_t(y) * shown->pitch);
        for (int x = 0; x < kWidth; ++x)
            wrong += (row[x] & 0xFFFFFF) != (expected[size_t(y) * kWidth + x] & 0xFFFFFF);
    }
    SDL_FreeSurface(shown);
    EXPECT_EQ(wrong, 0u);
}
