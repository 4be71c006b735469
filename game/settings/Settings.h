#pragma once
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "game/io/Dik.h"

// What a player may set once and find again: the display, the two volumes, the language, the pens' keys,
// the pen speed for keys and the relaxed pace. Every setting is a whole number (a yes/no is 0 or 1, a key
// its DIK code), so that the file, the command line and the options screen treat them alike.
enum SettingId : int {
    SettingFullScreen,
    SettingWindowScale,
    SettingIntegerScale,
    SettingMusicVolume,
    SettingEffectsVolume,
    SettingLanguage,
    SettingPenSpeed,
    SettingRelaxedPace,
    SettingPlayer1Keys,
    SettingPlayer2Left,
    SettingPlayer2Right,
    SettingPlayer2Up,
    SettingPlayer2Down,
    SettingPlayer2Click,
    SettingPlayer1Left,
    SettingPlayer1Right,
    SettingPlayer1Up,
    SettingPlayer1Down,
    SettingPlayer1Click,
    kSettingCount
};

enum class SettingKind { YesNo, Number, Choice, Key };

// The language setting's values.
enum LanguageChoice : int { LanguageAuto = 0, LanguageKorean = 1, LanguageEnglish = 2 };

// A pen's five keys, in the order of the settings: left, right, up, down, click.
enum PenAction : int { ActionLeft, ActionRight, ActionUp, ActionDown, ActionClick, kPenActions };
constexpr int kPlayers = 2; // index 0 is player 1, 1 is player 2

struct SettingSpec {
    SettingId id;
    const char* key; // its name in the file
    SettingKind kind;
    int min, max;                              // Number: the range, both ends included
    int byDefault;                             // today's game
    const char* help;                          // the comment the file gets above the key
    std::span<const char* const> choices = {}; // Choice: the words, value 0 first
};

const SettingSpec& SpecOf(SettingId id);
std::span<const SettingSpec> AllSettings();
// The setting named `key` in the file; null for a key this game does not know.
const SettingSpec* SpecByKey(std::string_view key);

struct Settings {
    std::array<int, kSettingCount> values;

    Settings(); // every setting at its default
    int operator[](SettingId id) const { return values[id]; }
    int& operator[](SettingId id) { return values[id]; }
    bool operator==(const Settings&) const = default;
};

// The setting that holds player `player`'s (0 or 1) key for `action`.
SettingId KeySetting(int player, int action);
bool IsKeySetting(SettingId id);
int PlayerOfKey(SettingId id); // 0 or 1
// A value in the file's words: "yes", "8", "auto", "LEFT".
std::string ValueText(SettingId id, int value);

// Why a key cannot be bound to a setting: the game keeps it for itself (Escape, P, N, F2, 8, 9, Tab, Alt),
// the other player uses it, or (for the file, where there is no swapping) the same player uses it for
// another action.
enum class KeyRefusal { None, Unknown, Reserved, OtherPlayer, SamePlayer };
// What binding `dik` to `id` would meet in `settings`; `holder` is the setting that has the key already.
KeyRefusal CheckKey(const Settings& settings, SettingId id, int dik, SettingId* holder = nullptr);
bool IsReservedKey(int dik);
// The key that opens the options screen from the title and the pause.
constexpr int kOptionsKey = DIK_F2;
