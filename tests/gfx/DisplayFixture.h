#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "game/gfx/Globals.h"
#include "platform/Presenter.h"

// Keeps every frame shown on the screen; the present of frame number `lostAt` reports lost surfaces.
class RecordingPresenter : public Presenter {
  public:
    PixelFormatDescription Format() const override { return {}; }
    bool Present(const uint16_t* pixels, int width, int height, int) override {
        frames.emplace_back(pixels, pixels + size_t(width) * size_t(height));
        return frames.size() - 1 != lostAt;
    }
    std::vector<std::vector<uint16_t>> frames;
    size_t lostAt = size_t(-1);
};

// A 565 display of 640x480 on a recording presenter, with the fade tables built.
class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(DDCreate(presenter, kScreenWidth, kScreenHeight, kScreenDepth));
        BuildFadeTables();
        presenter.frames.clear();
    }
    void TearDown() override {
        DDDestroy();
        gFadeTables = FadeTables{};
    }
    PixelBuffer& Back() { return *gDisplay.lowDDBack; }
    // Fills a buffer with a pattern whose neighbouring pixels differ and that has no 0.
    static void FillPattern(PixelBuffer& p, uint16_t seed) {
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x)
                p.At(x, y) = static_cast<uint16_t>(seed + 7 * x + 131 * y) | 1;
    }

    RecordingPresenter presenter;
};

// A sprite surface of the given size whose pixels follow `value(x, y)`.
template <typename F> Surface MakeSprite(int w, int h, int cellW, int cellH, F value) {
    Surface s;
    EXPECT_TRUE(s.CreatePlatformSurface(w, h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.surface->At(x, y) = value(x, y);
    s.FinishLoad(cellW, cellH);
    return s;
}
