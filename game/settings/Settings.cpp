#include "game/settings/Settings.h"

#include <algorithm>
#include <iterator>

#include "game/io/Dik.h"
#include "game/io/Pen.h"
#include "platform/DikNames.h"

namespace {
using enum SettingKind;
constexpr const char* kLanguageWords[] = {"auto", "ko", "en"};
constexpr int kMaxWindowScale = 8;
constexpr int kMaxVolume = 10;
constexpr int kMaxPenSpeed = 24;
constexpr int kNoRange = 0;

constexpr SettingSpec kSpecs[] = {
    {SettingFullScreen, "fullscreen", YesNo, 0, 1, 1, "yes: full screen; no: a window"},
    {SettingWindowScale, "window_scale", Number, 0, kMaxWindowScale, 0,
     "the window as 1 to 8 times 640x480; 0: the largest that fits the screen"},
    {SettingIntegerScale, "integer_scale", YesNo, 0, 1, 0,
     "yes: full screen in whole multiples of 640x480 only (crisp pixels)"},
    {SettingMusicVolume, "music_volume", Number, 0, kMaxVolume, kMaxVolume, "0 (no music) to 10"},
    {SettingEffectsVolume, "effects_volume", Number, 0, kMaxVolume, kMaxVolume, "0 (no effects) to 10"},
    {SettingLanguage, "language", Choice, kNoRange, kNoRange, LanguageAuto,
     "auto (from LANGUAGE, LC_ALL, LC_MESSAGES, LANG), ko or en", kLanguageWords},
    {SettingPenSpeed, "pen_speed", Number, 1, kMaxPenSpeed, kDefaultPenKeyStep,
     "pixels a key-driven pen moves each frame, 1 to 24"},
    {SettingRelaxedPace, "relaxed_pace", YesNo, 0, 1, 0,
     "yes: the time gauge runs down at half speed; such games do not enter the ranking"},
    {SettingPlayer1Keys, "player1_keys", YesNo, 0, 1, 0,
     "yes: player 1 plays with the keys below, not the mouse"},
    {SettingPlayer2Left, "player2_left", Key, kNoRange, kNoRange, kArrowKeys.left,
     "player 2's keys (DIK key names)"},
    {SettingPlayer2Right, "player2_right", Key, kNoRange, kNoRange, kArrowKeys.right, nullptr},
    {SettingPlayer2Up, "player2_up", Key, kNoRange, kNoRange, kArrowKeys.up, nullptr},
    {SettingPlayer2Down, "player2_down", Key, kNoRange, kNoRange, kArrowKeys.down, nullptr},
    {SettingPlayer2Click, "player2_click", Key, kNoRange, kNoRange, kArrowKeys.click, nullptr},
    {SettingPlayer1Left, "player1_left", Key, kNoRange, kNoRange, kPlayer1StartKeys.left,
     "player 1's keys, when player1_keys is yes"},
    {SettingPlayer1Right, "player1_right", Key, kNoRange, kNoRange, kPlayer1StartKeys.right, nullptr},
    {SettingPlayer1Up, "player1_up", Key, kNoRange, kNoRange, kPlayer1StartKeys.up, nullptr},
    {SettingPlayer1Down, "player1_down", Key, kNoRange, kNoRange, kPlayer1StartKeys.down, nullptr},
    {SettingPlayer1Click, "player1_click", Key, kNoRange, kNoRange, kPlayer1StartKeys.click, nullptr},
};
static_assert(std::size(kSpecs) == kSettingCount);

// Keys with a meaning of their own in every game: leaving, pausing, skipping, the hidden ranking key,
// player 2's card key in the bonus stage, the options screen, the hidden edit field and Alt (Alt+Enter,
// Alt+X).
constexpr int kReservedKeys[] = {DIK_ESCAPE,  DIK_P,   DIK_N,     DIK_8,    DIK_9,
                                 kOptionsKey, DIK_TAB, DIK_LMENU, DIK_RMENU};
} // namespace

const SettingSpec& SpecOf(SettingId id) {
    return kSpecs[id];
}

std::span<const SettingSpec> AllSettings() {
    return kSpecs;
}

const SettingSpec* SpecByKey(std::string_view key) {
    for (const SettingSpec& spec : kSpecs)
        if (key == spec.key) return &spec;
    return nullptr;
}

Settings::Settings() {
    for (const SettingSpec& spec : kSpecs) values[spec.id] = spec.byDefault;
}

SettingId KeySetting(int player, int action) {
    const int first = player == 0 ? SettingPlayer1Left : SettingPlayer2Left;
    return static_cast<SettingId>(first + action);
}

bool IsKeySetting(SettingId id) {
    return SpecOf(id).kind == Key;
}

int PlayerOfKey(SettingId id) {
    return id >= SettingPlayer1Left ? 0 : 1;
}

std::string ValueText(SettingId id, int value) {
    const SettingSpec& spec = SpecOf(id);
    switch (spec.kind) {
    case YesNo:
        return value ? "yes" : "no";
    case Choice:
        return value >= 0 && size_t(value) < spec.choices.size() ? spec.choices[size_t(value)] : "";
    case Key: {
        const char* name = DikNameOf(value);
        return name ? name : "";
    }
    default:
        return std::to_string(value);
    }
}

bool IsReservedKey(int dik) {
    return std::find(std::begin(kReservedKeys), std::end(kReservedKeys), dik) != std::end(kReservedKeys);
}

KeyRefusal CheckKey(const Settings& settings, SettingId id, int dik, SettingId* holder) {
    if (!DikNameOf(dik)) return KeyRefusal::Unknown;
    if (IsReservedKey(dik)) return KeyRefusal::Reserved;
    for (int player = 0; player < kPlayers; ++player) {
        for (int action = 0; action < kPenActions; ++action) {
            const SettingId other = KeySetting(player, action);
            if (other == id || settings[other] != dik) continue;
            if (holder) *holder = other;
            return PlayerOfKey(other) == PlayerOfKey(id) ? KeyRefusal::SamePlayer : KeyRefusal::OtherPlayer;
        }
    }
    return KeyRefusal::None;
}
