#include "game/screens/TitleScene.h"

#include "game/control/Globals.h"
#include "game/gfx/Globals.h"
#include "game/gfx/Text.h"
#include "game/io/Dik.h"
#include "game/io/Effects.h"
#include "game/io/Globals.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr Rect kItemRects[CTitleScene::kItems] = {
    {246, 238, 409, 268}, {246, 273, 409, 303}, {246, 308, 409, 338},
    {246, 343, 409, 373}, {246, 377, 409, 407}, {246, 413, 409, 435},
};
constexpr int kStripItems = 5; // items 0..4 have cells in the strip; item 5 a picture of its own
constexpr int kStripCellWidth = 163, kStripCellHeight = 35;
constexpr Point kVersionAt{425, 195};
constexpr uint32_t kVersionGrey = 0x00646464;    // RGB(100, 100, 100)
constexpr Point kOptionsHintAt{540, 456};        // the bottom right corner, away from the menu
constexpr uint32_t kOptionsHintInk = 0x00422D2B; // the art's dark ink
constexpr Point kNoticeAt{12, 456};              // the bottom left corner, away from the menu and the hint
constexpr uint32_t kNoticeInk = 0x001818A0;      // RGB(160, 24, 24), a deep red
} // namespace

void CTitleScene::Load() {
    for (int i = 0; i < kItems; ++i) items[i] = kItemRects[i];
    lastHighlight.LowLoadBmpBit(&gSecondArchive, "select6.BMP", 0, 0);
    background.LowLoadBmpBit(&gSecondArchive, "Title03.bmp", 0, 0);
    highlights.LowLoadBmpBit(&gMainArchive, "TitleEtc.bmp", kStripCellWidth, kStripCellHeight);
}

void CTitleScene::Draw() {
    PixelBuffer& screen = *gDisplay.lowDDBack;
    background.BltCell(0, 0, 0, false, screen);
    PutText(kVersionAt.x, kVersionAt.y, kVersionGrey, GameText(TextVersion));
    // A network game keeps the options closed, so its title does not offer them.
    if (!gTwoSeats) PutText(kOptionsHintAt.x, kOptionsHintAt.y, kOptionsHintInk, GameText(TextOptionsHint));
    if (noticeFrames > 0) PutText(kNoticeAt.x, kNoticeAt.y, kNoticeInk, notice.c_str());
    if (highlighted == kNoItem) return;
    if (highlighted < kStripItems)
        highlights.BltCell(items[highlighted].left, items[highlighted].top, highlighted, false, screen);
    else
        lastHighlight.BltCell(items[highlighted].left, items[highlighted].top, 0, false, screen);
}

void CTitleScene::ShowNotice(std::string cp949) {
    notice = std::move(cp949);
    noticeFrames = kNoticeFrames;
}

int CTitleScene::Update() {
    if (noticeFrames > 0) --noticeFrames;
    const Point tip = gMenuPen.Tip();
    for (int i = 0; i < kItems; ++i) {
        if (!PointInRect(items[i], tip)) continue;
        if (i != highlighted) {
            highlighted = i;
            PlayEffect(EffectMouseOver);
        }
        if (gInput.mouseLeft != 0 || gInput.KeyDown(DIK_SPACE)) {
            PlayEffect(EffectMouseClick);
            return i;
        }
        return kNoItem;
    }
    highlighted = kNoItem;
    return kNoItem;
}

int CTitleScene::Message(int msg, int, int) {
    switch (msg) {
    case MsgInit:
    case MsgEnter:
        highlighted = kNoItem;
        return 1;
    case MsgLoad:
        Load();
        return 1;
    case MsgDraw:
        Draw();
        return 1;
    case MsgUpdate:
        return Update();
    default:
        return 1;
    }
}
