#include "game/screens/PackSelectScene.h"

#include <algorithm>
#include <filesystem>

#include "common/CivilDate.h"
#include "game/control/Globals.h"
#include "game/gfx/Archive.h"
#include "game/gfx/Globals.h"
#include "game/gfx/Text.h"
#include "game/io/Dik.h"
#include "game/io/Effects.h"
#include "game/io/Globals.h"
#include "game/play/DataPacks.h"
#include "game/play/Globals.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"
#include "platform/Clock.h"

namespace {
constexpr Rect kButtonRects[CPackSelectScene::kButtons] = {
    {16, 353, 55, 386},  {60, 353, 99, 386},   {272, 353, 311, 386}, {316, 353, 355, 386},
    {15, 426, 204, 461}, {225, 426, 414, 461}, {435, 426, 624, 461},
};
constexpr int kArrowSprites = 4;
constexpr int kArrowStep = 40, kArrowWidth = 39, kArrowHeight = 33;
constexpr int kWideStep = 190, kWideWidth = 189, kWideHeight = 35;
constexpr Rect kPreview{26, 93, 345, 332};
constexpr int kStarLeft = 384, kStarStep = 43, kStarY = 133;
constexpr int kTextX = 390;
constexpr int kFileNameY = 230, kMakerY = 250, kFirstLineY = 275, kLineStep = 20;
constexpr uint32_t kFileNameColor = 0x00FAC8FA; // RGB(250, 200, 250)
constexpr uint32_t kMakerColor = 0x00FAC8C8;    // RGB(200, 200, 250)
constexpr uint32_t kLineColor = 0x00C8FAC8;     // RGB(200, 250, 200)
constexpr uint32_t kCounterColor = 0x00E6E6E6;  // RGB(230, 230, 230)
constexpr Point kCounterAt{30, 304};
constexpr const char* kMadeCardNames[CPackSelectScene::kMadeEntries] = {"LoadToday.bmp", "LoadEndless.bmp"};
constexpr int kEndlessStars = 1; // it starts easy

struct MadeEntryTexts {
    TextId name;
    TextId lines[3];
};
constexpr MadeEntryTexts kMadeTexts[CPackSelectScene::kMadeEntries] = {
    {TextTodayPack, {TextTodayLine1, TextTodayLine2, TextTodayLine3}},
    {TextEndlessPlay, {TextEndlessLine1, TextEndlessLine2, TextEndlessLine3}},
};

void SetField(CPackInfo::Field& field, const std::string& text) {
    field.fill(0);
    text.copy(field.data(), std::min(text.size(), CPackInfo::kFieldBytes - 1));
}

PixelBuffer& Screen() {
    return *gDisplay.lowDDBack;
}
} // namespace

int64_t CPackSelectScene::Today() {
    return gShell.clock ? DayOfCalendarTime(gShell.clock->CalendarTime()) : 0;
}

int CPackSelectScene::EntryCount() const {
    return packCount + (gPairSupply ? kMadeEntries : 0);
}

int CPackSelectScene::SelectedMade() const {
    const int made = selectedPack - packCount;
    return gPairSupply && made >= 0 && made < kMadeEntries ? made : kNoMadeEntry;
}

// The entry's texts and stars; showing it starts the making of its first pairs, so that they are ready
// when the player chooses it.
void CPackSelectScene::RefreshMadeInfo(int stream) {
    madeDay = Today();
    const MadeEntryTexts& texts = kMadeTexts[stream];
    info = CPackInfo{};
    const bool today = stream == int(MadeStream::Today);
    SetField(info.fileName, today ? std::string(GameText(texts.name)) + " " + FormatIsoDate(madeDay)
                                  : std::string(GameText(texts.name)));
    SetField(info.maker, GameText(TextPackMaker));
    for (int i = 0; i < 3; ++i) SetField(info.lines[i], GameText(texts.lines[i]));
    info.stars = uint8_t(today ? gPairSupply->TodayStars(madeDay) : kEndlessStars);
    gPairSupply->Prepare(MadeStream(stream), madeDay, 0);
}

void CPackSelectScene::RefreshPackInfo() {
    if (const int made = SelectedMade(); made != kNoMadeEntry) {
        RefreshMadeInfo(made);
        return;
    }
    CGameController& c = gController;
    if (selectedPack < 0 || selectedPack >= c.packCount || !c.packs[selectedPack]) return;
    LoadPackPicture(c, selectedPack, 0);
    info = ReadPackInfo(std::filesystem::path(c.packs[selectedPack]->Path()).filename().string());
}

void CPackSelectScene::Load() {
    background.LowLoadBmpBit(&gSecondArchive, "LoadBack.bmp", 0, 0);
    star.LowLoadBmpBit(&gSecondArchive, "LoadStar.bmp", 0, 0);
    arrows.LowLoadBmpBit(&gSecondArchive, "loadArrow.bmp", 0, 0);
    wideButtons.LowLoadBmpBit(&gSecondArchive, "loadBtn.bmp", 0, 0);
    for (int i = 0; i < kButtons; ++i) buttons[i] = kButtonRects[i];
    for (int i = 0; i < kArrowSprites; ++i)
        sprites[i].Set(&arrows, kArrowStep * i, 0, kArrowWidth, kArrowHeight);
    for (int i = kArrowSprites; i < kButtons; ++i)
        sprites[i].Set(&wideButtons, kWideStep * (i - kArrowSprites), 0, kWideWidth, kWideHeight);
    if (gPairSupply)
        for (int i = 0; i < kMadeEntries; ++i)
            madeCards[i].LowLoadBmpBit(&gSecondArchive, kMadeCardNames[i], 0, 0);
}

void CPackSelectScene::Draw() {
    background.BltCell(0, 0, 0, false, Screen());
    const int made = SelectedMade();
    (made == kNoMadeEntry ? gController.stagePicture : madeCards[made])
        .StretchCell(kPreview, 0, false, Screen());
    for (int i = 0; i < info.stars; ++i) star.BltCell(kStarLeft + kStarStep * i, kStarY, 0, true, Screen());
    PutTextF(kTextX, kFileNameY, kFileNameColor, GameText(TextPackFileName), info.fileName.data());
    PutTextF(kTextX, kMakerY, kMakerColor, GameText(TextPackMadeBy), info.maker.data());
    for (int i = 0; i < CPackInfo::kLines; ++i)
        PutText(kTextX, kFirstLineY + kLineStep * i, kLineColor, info.lines[i].data());
    if (highlight != kNone)
        sprites[highlight].DrawRegionAt(buttons[highlight].left, buttons[highlight].top, false);
    // The counter counts the packs; a made entry's card names it.
    if (made == kNoMadeEntry)
        PutFontTextF(gDisplayFont, kCounterAt.x, kCounterAt.y, kCounterColor, "%d/%d", selectedPack + 1,
                     packCount);
}

void CPackSelectScene::Choose(int button) {
    switch (button) {
    case First:
        selectedPack = 0;
        break;
    case Previous:
        selectedPack = std::max(selectedPack - 1, 0);
        break;
    case Next:
        selectedPack = std::min(selectedPack + 1, std::max(EntryCount() - 1, 0));
        break;
    case Last:
        selectedPack = std::max(EntryCount() - 1, 0);
        break;
    default:
        return;
    }
    RefreshPackInfo();
}

int CPackSelectScene::Update() {
    const Point tip = gMenuPen.Tip();
    for (int i = 0; i < kButtons; ++i) {
        if (!PointInRect(buttons[i], tip)) continue;
        highlight = i;
        if (i != lastHovered) {
            lastHovered = i;
            PlayEffect(EffectMouseOver);
        }
        if (gInput.mouseLeft == 0 && !gInput.KeyDown(DIK_SPACE)) return kNone;
        PlayEffect(EffectMouseClick);
        Choose(i);
        return i;
    }
    highlight = kNone;
    lastHovered = kNone;
    return kNone;
}

int CPackSelectScene::Message(int msg, int, int) {
    switch (msg) {
    case MsgInit:
        lastHovered = kNone;
        return 1;
    case MsgEnter:
        lastHovered = kNone;
        selectedPack = 0;
        packCount = gController.packCount;
        RefreshPackInfo();
        // Today's first pairs are made while the player looks through the packs, so that they are ready
        // when the entry is chosen.
        if (gPairSupply) gPairSupply->Prepare(MadeStream::Today, Today(), 0);
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
