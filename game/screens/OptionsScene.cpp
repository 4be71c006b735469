#include "game/screens/OptionsScene.h"

#include "game/control/Globals.h"
#include "game/gfx/Globals.h"
#include "game/gfx/Text.h"
#include "game/io/Effects.h"
#include "game/io/Globals.h"
#include "game/screens/OptionsLayout.h"
#include "game/settings/Globals.h"
#include "game/settings/SettingsStore.h"
#include "game/shell/ApplySettings.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"
#include "platform/DikNames.h"

namespace {
using namespace OptionsLayout;
constexpr uint32_t kValueInk = 0x00402818;   // 0x00BBGGRR: the art's dark ink
constexpr uint32_t kWaitingInk = 0x000040C0; // a key being rebound
constexpr uint32_t kMessageInk = 0x001810A0;

bool Inside(const Rect& r, int x, int y) {
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

bool ChoosingInputDown() {
    return gInput.mouseLeft != 0 || gInput.KeyDown(DIK_ESCAPE) || gInput.KeyDown(DIK_RETURN) ||
           gInput.KeyDown(DIK_SPACE);
}

int Wrap(int value, int min, int max) {
    if (value > max) return min;
    if (value < min) return max;
    return value;
}

TextId YesNoText(int value) {
    return value ? TextOptionOn : TextOptionOff;
}
} // namespace

int OptionsItemAt(int x, int y) {
    for (int item = 0; item < kSettingRows; ++item)
        if (Inside(RowRect(item), x, y)) return item;
    return Inside(kBack, x, y) ? kBackItem : COptionsScene::kNoItem;
}

void COptionsScene::Load() {
    background.LowLoadBmpBit(&gSecondArchive, "Options.bmp", 0, 0);
    highlights.LowLoadBmpBit(&gSecondArchive, "OptionsEtc.bmp", kLabelWidth, kRowHeight);
    backLit.LowLoadBmpBit(&gSecondArchive, "OptionsBack.bmp", 0, 0);
}

void COptionsScene::Say(TextId text) {
    message = text;
    messageFrames = kMessageFrames;
}

// One step of a setting's value: yes/no turns over, numbers and choices go round.
void COptionsScene::Step(SettingId id, int step) {
    const SettingSpec& spec = SpecOf(id);
    int value = gSettings[id];
    switch (spec.kind) {
    case SettingKind::YesNo:
        value = value ? 0 : 1;
        break;
    case SettingKind::Number:
        value = Wrap(value + step, spec.min, spec.max);
        break;
    case SettingKind::Choice:
        value = Wrap(value + step, 0, static_cast<int>(spec.choices.size()) - 1);
        break;
    case SettingKind::Key:
        return;
    }
    ChangeSetting(id, value);
    ApplySetting(id);
    PlayEffect(EffectMouseClick); // after the change, so a new effects volume is heard at once
}

void COptionsScene::Choose(int item, int step) {
    if (item == kBackItem) {
        leaving = 1;
        PlayEffect(EffectMouseClick);
        return;
    }
    if (item < 0 || item >= kSettingRows) return;
    const SettingId id = static_cast<SettingId>(item);
    if (IsKeySetting(id)) {
        capturing = id;
        message = kTextCount;
        PlayEffect(EffectMouseClick);
        return;
    }
    Step(id, step);
}

void COptionsScene::Bind(int dik) {
    const SettingId id = static_cast<SettingId>(capturing);
    SettingId holder = id;
    switch (CheckKey(gSettings, id, dik, &holder)) {
    case KeyRefusal::Unknown:
        return;
    case KeyRefusal::Reserved:
        Say(TextOptionKeyReserved);
        PlayFailEffect();
        return;
    case KeyRefusal::OtherPlayer:
        Say(TextOptionKeyTaken);
        PlayFailEffect();
        return;
    case KeyRefusal::SamePlayer: // the two actions trade keys
        ChangeSetting(holder, gSettings[id]);
        ApplySetting(holder);
        break;
    case KeyRefusal::None:
        break;
    }
    ChangeSetting(id, dik);
    ApplySetting(id);
    capturing = -1;
    message = kTextCount;
    PlayEffect(EffectMouseClick);
}

void COptionsScene::UpdateCapture() {
    if (gInput.KeyPressed(DIK_ESCAPE) || (gInput.mouseLeft != 0 && gInput.buttonsWereUp == 1)) {
        capturing = -1;
        message = kTextCount;
        PlayEffect(EffectMouseOver);
        return;
    }
    for (int dik = 1; dik < kKeyCount && capturing >= 0; ++dik)
        if (gInput.KeyPressed(dik)) Bind(dik);
}

void COptionsScene::UpdateMouse() {
    const Point tip = gMenuPen.Tip();
    const int item = OptionsItemAt(tip.x, tip.y);
    const bool moved = gInput.mouseDX != 0 || gInput.mouseDY != 0;
    if (moved && item != kNoItem && item != selected) {
        selected = item;
        PlayEffect(EffectMouseOver);
    }
    if (item == kNoItem || gInput.mouseLeft == 0 || gInput.buttonsWereUp == 0) return;
    selected = item;
    const int boxLeft = RowRect(item).left + kLabelWidth;
    const bool onLowerArrow = item < kSettingRows && tip.x >= boxLeft && tip.x < boxLeft + kArrowWidth;
    Choose(item, onLowerArrow ? -1 : 1);
}

void COptionsScene::UpdateKeys() {
    if (gInput.KeyPressed(DIK_ESCAPE)) {
        Choose(kBackItem, 0);
        return;
    }
    if (gInput.KeyPressed(DIK_UP) || gInput.KeyPressed(DIK_DOWN)) {
        selected = Wrap(selected + (gInput.KeyDown(DIK_UP) ? -1 : 1), 0, kItems - 1);
        PlayEffect(EffectMouseOver);
    }
    if (selected < kSettingRows && (gInput.KeyPressed(DIK_LEFT) || gInput.KeyPressed(DIK_RIGHT)))
        Step(static_cast<SettingId>(selected), gInput.KeyDown(DIK_LEFT) ? -1 : 1);
    if (gInput.KeyPressed(DIK_RETURN) || gInput.KeyPressed(DIK_SPACE)) Choose(selected, 1);
}

int COptionsScene::Update() {
    if (leaving) {
        if (ChoosingInputDown()) return kStay; // so the key or button that left acts on nothing else
        leaving = 0;
        return kLeave;
    }
    if (messageFrames > 0 && --messageFrames == 0) message = kTextCount;
    if (capturing >= 0) {
        UpdateCapture();
        return kStay;
    }
    UpdateMouse();
    if (!leaving && capturing < 0) UpdateKeys();
    return kStay;
}

void COptionsScene::DrawValue(SettingId id) {
    const Rect row = RowRect(id);
    const int x = row.left + kValueTextLeft, y = row.top + kValueTextTop;
    const int value = gSettings[id];
    if (id == capturing) {
        PutText(x, y, kWaitingInk, GameText(TextOptionPressKey));
        return;
    }
    switch (id) {
    case SettingFullScreen:
        PutText(x, y, kValueInk, GameText(value ? TextOptionFullScreen : TextOptionWindow));
        return;
    case SettingWindowScale:
        if (value == 0)
            PutText(x, y, kValueInk, GameText(TextOptionAuto));
        else
            PutTextF(x, y, kValueInk, "%dx", value);
        return;
    case SettingLanguage: {
        const TextId words[] = {TextOptionAuto, TextOptionKorean, TextOptionEnglish};
        PutText(x, y, kValueInk, GameText(words[value >= 0 && value <= LanguageEnglish ? value : 0]));
        return;
    }
    default:
        break;
    }
    switch (SpecOf(id).kind) {
    case SettingKind::YesNo:
        PutText(x, y, kValueInk, GameText(YesNoText(value)));
        break;
    case SettingKind::Key: {
        const char* name = DikNameOf(value);
        PutText(x, y, kValueInk, name ? name : "?");
        break;
    }
    default:
        PutTextF(x, y, kValueInk, "%d", value);
        break;
    }
}

void COptionsScene::Draw() {
    PixelBuffer& screen = *gDisplay.lowDDBack;
    background.BltCell(0, 0, 0, false, screen);
    if (selected >= 0 && selected < kSettingRows)
        highlights.BltCell(RowRect(selected).left, RowRect(selected).top, selected, false, screen);
    else if (selected == kBackItem)
        backLit.BltCell(kBack.left, kBack.top, 0, false, screen);
    for (int id = 0; id < kSettingRows; ++id) DrawValue(static_cast<SettingId>(id));
    if (message != kTextCount)
        PutText(kMessageBox.left + 6, kMessageBox.top + 4, kMessageInk, GameText(message));
    else if (capturing >= 0)
        PutText(kMessageBox.left + 6, kMessageBox.top + 4, kValueInk, GameText(TextOptionCancelHint));
}

int COptionsScene::Message(int msg, int, int) {
    switch (msg) {
    case MsgInit:
    case MsgEnter:
        capturing = -1;
        leaving = 0;
        message = kTextCount;
        messageFrames = 0;
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
