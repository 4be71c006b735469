#include "game/gfx/FadeTables.h"

#include <algorithm>
#include <array>

#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"

const double kFadeFactors[kFadeLevels] = {
    0.00, 0.03, 0.06, 0.09, 0.13, 0.17, 0.21, 0.24, 0.27, 0.31, 0.34, 0.37, 0.41, 0.44, 0.47, 0.49,
    0.51, 0.53, 0.56, 0.59, 0.63, 0.66, 0.69, 0.73, 0.76, 0.79, 0.83, 0.87, 0.91, 0.94, 0.97, 1.00,
};

namespace {
constexpr int kComponentValues = 1 << 6; // enough for every component, the unmasked 555 red included

// One component of every value scaled by `factor` and put back in place.
std::array<uint16_t, kComponentValues> ScaledComponent(double factor, uint32_t shift) {
    std::array<uint16_t, kComponentValues> out{};
    for (int c = 0; c < kComponentValues; ++c) out[c] = static_cast<uint16_t>(uint32_t(factor * c) << shift);
    return out;
}

// Copies the overlap of two pictures row by row.
void CopyScreen(const PixelBuffer& from, PixelBuffer& to) {
    const int w = std::min(from.Width(), to.Width());
    const int h = std::min(from.Height(), to.Height());
    for (int y = 0; y < h; ++y) std::copy(from.Row(y), from.Row(y) + w, to.Row(y));
}
} // namespace

void FillFadeTables(std::vector<uint16_t>& tables, const PixelConversion& pc) {
    tables.resize(size_t(kFadeLevels) * kFadeValues);
    for (int k = 0; k < kFadeLevels; ++k) {
        // Each entry is the three scaled components or-ed together; the red component is taken
        // without a mask, as the layout's top bits all belong to it.
        const auto red = ScaledComponent(kFadeFactors[k], pc.redShift);
        const auto green = ScaledComponent(kFadeFactors[k], pc.greenShift);
        const auto blue = ScaledComponent(kFadeFactors[k], 0);
        uint16_t* level = tables.data() + size_t(k) * kFadeValues;
        for (uint32_t v = 0; v < kFadeValues; ++v)
            level[v] =
                red[v >> pc.redShift] | green[(v & pc.greenMask) >> pc.greenShift] | blue[v & pc.blueMask];
    }
}

void BuildFadeTables() {
    FadeTables& f = gFadeTables;
    FillFadeTables(f.tables, gPixelConversion);
    f.screenRect = {0, 0, kScreenWidth, kScreenHeight};
    f.work0 = DDCreateOffscreen(kScreenWidth, kScreenHeight, 1);
    f.workA = DDCreateOffscreen(kScreenWidth, kScreenHeight, 1);
    f.workB = DDCreateOffscreen(kScreenWidth, kScreenHeight, 1);
}

void CaptureOld(const PixelBuffer& screen) {
    if (gFadeTables.workA) CopyScreen(screen, *gFadeTables.workA);
}

void CaptureNew(const PixelBuffer& screen) {
    if (gFadeTables.workB) CopyScreen(screen, *gFadeTables.workB);
}

void FadeTables::BlendStep(int step) {
    const uint16_t* fromOld = Level(kFadeTopLevel - 2 * step);
    const uint16_t* fromNew = Level(2 * step);
    const uint16_t* a = workA->Data();
    const uint16_t* b = workB->Data();
    uint16_t* out = work0->Data();
    const size_t n = size_t(work0->Pitch()) * size_t(work0->Height());
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint16_t>(fromOld[a[i]] + fromNew[b[i]]);
}

int CrossFade(const PixelBuffer* oldScreen, const PixelBuffer* newScreen) {
    FadeTables& f = gFadeTables;
    f.screenRect = {0, 0, kScreenWidth, kScreenHeight};
    if (!f.Built() || !f.work0 || !f.workA || !f.workB || !gDisplay.lowDDFront || !gDisplay.presenter)
        return 0;
    if (oldScreen) CopyScreen(*oldScreen, *f.workA);
    if (newScreen) CopyScreen(*newScreen, *f.workB);
    for (int s = 0; s < kCrossFadeSteps; ++s) {
        f.BlendStep(s);
        DDShowOnFront(*f.work0);
    }
    return 0;
}
