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
    Rect blendRect;               // the area of the last BlendCell
    Rect screenRect;
    std::unique_ptr<PixelBuffer> work0; // receives each blended frame
    std::unique_ptr<PixelBuffer> workA; // the old screen of a transition
    std::unique_ptr<PixelBuffer> workB; // the new screen

    bool Built() const { return !tables.empty(); }
    const uint16_t* Level(int k) const { return tables.data() + size_t(k) * kFadeValues; }
    // One step of the cross-fade: work0 := level (31 - 2s) of A + level 2s of B.
    void BlendStep(int step);
};

// The factor of each level; factor k + factor (31 - k) is exactly 1, so two looked-up pixels add
// without carrying from one component into the next.
extern const double kFadeFactors[kFadeLevels];

// Fills the tables for a pixel layout (the display's: gPixelConversion).
void FillFadeTables(std::vector<uint16_t>& tables, const PixelConversion& pc);
// Fills the global tables and creates the three 640x480 work surfaces.
void BuildFadeTables();
void CaptureOld(const PixelBuffer& screen);
void CaptureNew(const PixelBuffer& screen);
// Copies old/new into A/B when given, then shows the 16 steps from A to B on the front surface. Returns 0.
int CrossFade(const PixelBuffer* oldScreen, const PixelBuffer* newScreen);
