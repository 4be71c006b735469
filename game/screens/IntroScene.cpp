#include "game/screens/IntroScene.h"

#include "game/gfx/Globals.h"
#include "game/gfx/Text.h"
#include "game/screens/TextFade.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr int kSpeakerWidth = 83, kSpeakerHeight = 33;
constexpr int kSpeakerCells = 4;
constexpr Point kSpeaker1At{476, 416}, kSpeaker2At{531, 418};
constexpr uint32_t kSpeaker1FramesPerCell = 8, kSpeaker2FramesPerCell = 6;
constexpr Point kTextAt{440, 320};
constexpr int kLineSpacing = 20;
constexpr int kLastGroupPages = 2; // past the last page the closing group fades in and out for ever
static_assert(CIntroScene::kPages / 2 * CIntroScene::kLinesPerGroup == kIntroSlots, "a page for every group");
} // namespace

void CIntroScene::Enter() {
    fadeCounter = 0;
    page = 0;
    textColor = 0;
}

void CIntroScene::Load() {
    background.LoadPcx256(&gMainArchive, "introBack.Pcx", 0, 0);
    speaker1.LowLoadBmpBit(&gMainArchive, "introDal1.bmp", kSpeakerWidth, kSpeakerHeight);
    speaker2.LowLoadBmpBit(&gMainArchive, "introDal2.bmp", kSpeakerWidth, kSpeakerHeight);
}

void CIntroScene::Draw() {
    PixelBuffer& screen = *gDisplay.lowDDBack;
    const uint32_t frame = gShell.frameCounter;
    background.BltCell(0, 0, 0, false, screen);
    speaker1.BltCell(kSpeaker1At.x, kSpeaker1At.y, int(frame / kSpeaker1FramesPerCell % kSpeakerCells), true,
                     screen);
    speaker2.BltCell(kSpeaker2At.x, kSpeaker2At.y, int(frame / kSpeaker2FramesPerCell % kSpeakerCells), true,
                     screen);
    const int first = page / 2 * kLinesPerGroup;
    for (int k = 0; k < kLinesPerGroup; ++k)
        PutText(kTextAt.x, kTextAt.y + k * kLineSpacing, textColor, GameText(IntroText(first + k)));
}

void CIntroScene::Update() {
    if (FadeTick(fadeCounter) && ++page >= kPages) page = kPages - kLastGroupPages + page % 2;
    textColor = FadeGrey(fadeCounter, page);
}

int CIntroScene::Message(int msg, int, int) {
    switch (msg) {
    case MsgEnter:
        Enter();
        return 1;
    case MsgLoad:
        Load();
        return 1;
    case MsgDraw:
        if (gDisplay.lowDDBack) Draw();
        return 1;
    case MsgUpdate:
        Update(); // the intro never ends by itself
        return 1;
    default:
        return 1;
    }
}
