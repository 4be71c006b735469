#include "game/gfx/FadeTables.h"

#include <algorithm>
#include <array>

#include "game/gfx/Display.h"
#include "game/gfx/FadeBlend.h"
#include "game/gfx/Globals.h"

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
    f.conversion = gPixelConversion;
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
    const size_t n = size_t(work0->Pitch()) * size_t(work0->Height());
    BlendLevels(conversion, kFadeTopLevel - 2 * step, workA->Data(), workB->Data(), work0->Data(), n);
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
