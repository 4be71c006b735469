#include "game/gfx/Display.h"

#include <algorithm>
#include <utility>

#include "game/control/Random.h"
#include "game/gfx/Globals.h"
#include "game/gfx/PixelConversion.h"
#include "game/gfx/ShowError.h"
#include "platform/Clock.h"
#include "platform/Presenter.h"

bool InitDisplay(Presenter& presenter, Clock& clock, int width, int height, int bitDepth) {
    const bool created = DDCreate(presenter, width, height, bitDepth);
    SeedRandom(clock.CalendarTime());
    return created;
}

bool DDCreate(Presenter& presenter, int width, int height, int bitDepth) {
    DDDestroy();
    gDisplay = DisplayState{};
    gDisplay.presenter = &presenter;
    gDisplay.screenWidth = width;
    gDisplay.screenHeight = height;
    gDisplay.bitDepth = bitDepth;
    gDisplay.fullScreen = 1;
    if (!DDCreateScreenSurfaces()) {
        ShowError("DDSetScreenMode");
        return false;
    }
    int pitch = 0;
    DDLock(gDisplay.lowDDBack.get(), pitch);
    DDUnlock(gDisplay.lowDDBack.get());
    for (int i = 0; i < 2; ++i) {
        DDClear(0);
        DDFlip();
    }
    gDisplay.ready = 1;
    return true;
}

bool DDCreateScreenSurfaces() {
    const int w = gDisplay.screenWidth;
    const int h = gDisplay.screenHeight;
    if (w <= 0 || h <= 0 || w > kMaxSurfaceSide || h > kMaxSurfaceSide) {
        ShowError("lowDDraw->CreateSurface(lowDDFront)");
        return false;
    }
    gDisplay.lowDDFront = std::make_unique<PixelBuffer>(w, h);
    gDisplay.lowDDBack = std::make_unique<PixelBuffer>(w, h);
    PixelFormat format;
    const bool known = GetRGBFormat(gDisplay.presenter->Format(), format);
    if (!known) ShowError("GetRGBFormat Check error!!! Check your video card!!!");
    gPixelConversion = ConversionFor(LayoutForFormat(known, format));
    return true;
}

void DDDestroy() {
    if (!gDisplay.presenter) return;
    gDisplay = DisplayState{};
}

bool DDFlip() {
    PixelBuffer& back = *gDisplay.lowDDBack;
    std::copy(back.Data(), back.Data() + size_t(back.Pitch()) * size_t(back.Height()),
              gDisplay.lowDDFront->Data());
    const bool shown = gDisplay.presenter->Present(back.Data(), back.Width(), back.Height(), back.Pitch());
    const bool lostEarlier = std::exchange(gDisplay.lostSinceFlip, 0) != 0;
    return shown && !lostEarlier;
}

void DDShowOnFront(const PixelBuffer& picture) {
    PixelBuffer& front = *gDisplay.lowDDFront;
    if (picture.Width() != front.Width() || picture.Height() != front.Height()) return;
    std::copy(picture.Data(), picture.Data() + size_t(picture.Pitch()) * size_t(picture.Height()),
              front.Data());
    if (!gDisplay.presenter->Present(front.Data(), front.Width(), front.Height(), front.Pitch()))
        gDisplay.lostSinceFlip = 1;
}

void DDClear(uint16_t color) {
    if (gDisplay.lowDDBack) gDisplay.lowDDBack->Fill(color);
}

uint16_t* DDLock(PixelBuffer* surface, int& pitch) {
    if (!surface) {
        pitch = 0;
        return nullptr;
    }
    pitch = surface->Pitch();
    gDisplay.lastLockBits = surface->Data();
    gDisplay.lastLockPitch = pitch;
    gDisplay.lastLockHeight = surface->Height();
    return surface->Data();
}

void DDUnlock(PixelBuffer*) {}

std::unique_ptr<PixelBuffer> DDCreateOffscreen(int width, int height, int) {
    if (width <= 0 || height <= 0 || width > kMaxSurfaceSide || height > kMaxSurfaceSide) return nullptr;
    return std::make_unique<PixelBuffer>(width, height);
}
