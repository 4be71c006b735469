#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "game/gfx/PixelBuffer.h"
#include "game/gfx/PixelConversion.h"
#include "game/gfx/Rect.h"

constexpr int kFadeLevels = 32;
constexpr int kFadeTopLevel = kFadeLevels - 1;
constexpr int kFadeValues = 65536;
constexpr int kCrossFadeSteps = 16;

// Brightness tables over every 16-bit pixel (level k scales each colour component by the k-th factor)
// and the whole-screen work surfaces of the cross-fade. One global instance, built at start-up.
struct FadeTables {
    std::vector<uint16_t> tables; // kFadeLevels x kFadeValues
    PixelConversion conversion;   // the layout the tables were built for
    Rect blendRect;               // the area of the last BlendCell
    Rect screenRect;
    std::unique_ptr<PixelBuffer> work0; // receives each blended frame
    std::unique_ptr<PixelBuffer> workA; // the old screen of a transition
    std::unique_ptr<PixelBuffer> workB; // the new screen

    bool Built() const { return !tables.empty(); }
    const uint16_t* Level(int k) const { return tables.data() + size_t(k) * kFadeValues; }
    // One step of the cross-fade: work0 := level (31 - 2s) of A + level 2s of B. Computed per component
    // (FadeBlend.h), equal to the tables' sums without reading them.
    void BlendStep(int step);
};

// The factor of each level; factor k + factor (31 - k) is exactly 1, so two looked-up pixels add
// without carrying from one component into the next.
inline constexpr double kFadeFactors[kFadeLevels] = {
    0.00, 0.03, 0.06, 0.09, 0.13, 0.17, 0.21, 0.24, 0.27, 0.31, 0.34, 0.37, 0.41, 0.44, 0.47, 0.49,
    0.51, 0.53, 0.56, 0.59, 0.63, 0.66, 0.69, 0.73, 0.76, 0.79, 0.83, 0.87, 0.91, 0.94, 0.97, 1.00,
};

// Fills the tables for a pixel layout (the display's: gPixelConversion).
void FillFadeTables(std::vector<uint16_t>& tables, const PixelConversion& pc);
// Fills the global tables and creates the three 640x480 work surfaces.
void BuildFadeTables();
void CaptureOld(const PixelBuffer& screen);
void CaptureNew(const PixelBuffer& screen);
// Copies old/new into A/B when given, then shows the 16 steps from A to B on the front surface. Returns 0.
int CrossFade(const PixelBuffer* oldScreen, const PixelBuffer* newScreen);
