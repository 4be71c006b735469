#include "game/screens/LogoScene.h"

#include "game/gfx/Globals.h"
#include "game/shell/Globals.h"

namespace {
constexpr int kItemSize = 12;
constexpr int kStartGap = 112; // item spacing at step 0
constexpr int kItemsLeft = 314;
constexpr int kRunning = 1, kDone = 0;
} // namespace

int CLogoScene::ItemX(int step, int i) {
    return (kStartGap - step) * i + kItemsLeft;
}

void CLogoScene::Load() {
    background.LoadPcx256(&gMainArchive, "LogoBack.pcx", 0, 0);
    items.LowLoadBmpBit(&gMainArchive, "LogoItem.bmp", kItemSize, kItemSize);
}

// An item beyond the right edge does not fit and is left out by the blit.
void CLogoScene::Draw() {
    PixelBuffer& screen = *gDisplay.lowDDBack;
    background.BltCell(0, 0, 0, false, screen);
    for (int i = 0; i < kItems; ++i) items.BltCell(ItemX(counter, i), kItemsY, i, true, screen);
}

int CLogoScene::Update() {
    const int n = counter++;
    if (n <= kFinalStep) return kRunning;
    counter = kFinalStep;
    return kDone;
}

int CLogoScene::Message(int msg, int, int) {
    switch (msg) {
    case MsgEnter:
        counter = 0;
        return 1;
    case MsgLoad:
        Load();
        return 1;
    case MsgDraw:
        if (gDisplay.lowDDBack) Draw();
        return 1;
    case MsgUpdate:
        return Update();
    default:
        return 1;
    }
}
