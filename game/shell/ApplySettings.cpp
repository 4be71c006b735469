#include "game/shell/ApplySettings.h"

#include "game/control/Globals.h"
#include "game/gfx/Globals.h"
#include "game/io/Effects.h"
#include "game/io/Globals.h"
#include "game/io/Music.h"
#include "game/play/Globals.h"
#include "game/settings/Globals.h"
#include "game/shell/GXApp.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr float kVolumeSteps = 10;

float Gain(SettingId volume) {
    return static_cast<float>(gSettings[volume]) / kVolumeSteps;
}

void ApplyKeys() {
    for (int player = 0; player < kPlayers; ++player) {
        PenKeys& keys = gPenKeys[player];
        int* const fields[kPenActions] = {&keys.left, &keys.right, &keys.up, &keys.down, &keys.click};
        for (int action = 0; action < kPenActions; ++action)
            *fields[action] = gSettings[KeySetting(player, action)];
    }
}

// A new edition shows new pictures: the archives of that edition are opened and every picture is loaded
// again from them; the texts are converted once more.
void ApplyLanguage() {
    const Language language = LanguageOfSetting(gSettings[SettingLanguage], ProcessEnvironment);
    if (language == GameLanguage()) return;
    SetGameLanguage(language);
    OpenArchives();
    gController.ReloadPictures();
}
} // namespace

Language LanguageOfSetting(int choice, EnvironmentLookup lookup) {
    if (choice == LanguageKorean) return Language::Korean;
    if (choice == LanguageEnglish) return Language::English;
    return LanguageFromEnvironment(lookup);
}

DisplayMode DisplayModeOf(const Settings& settings) {
    return DisplayMode{settings[SettingFullScreen] != 0, settings[SettingWindowScale],
                       settings[SettingIntegerScale] != 0};
}

void ApplySetting(SettingId id) {
    switch (id) {
    case SettingFullScreen:
    case SettingWindowScale:
    case SettingIntegerScale:
        if (gDisplay.presenter) gDisplay.presenter->SetDisplayMode(DisplayModeOf(gSettings));
        break;
    case SettingMusicVolume:
        SetMusicLevel(Gain(SettingMusicVolume));
        break;
    case SettingEffectsVolume:
        SetEffectsLevel(Gain(SettingEffectsVolume));
        break;
    case SettingLanguage:
        ApplyLanguage();
        break;
    case SettingPenSpeed:
        gPenKeyStep = gSettings[SettingPenSpeed];
        break;
    case SettingRelaxedPace:
        gPace.relaxed = gSettings[SettingRelaxedPace];
        break;
    case SettingPlayer1Keys:
        gPlayer1OnKeys = gSettings[SettingPlayer1Keys];
        break;
    default:
        ApplyKeys();
        break;
    }
}

void ApplyPlaySettings() {
    for (SettingId id :
         {SettingMusicVolume, SettingEffectsVolume, SettingPenSpeed, SettingRelaxedPace, SettingPlayer1Keys})
        ApplySetting(id);
    ApplyKeys();
}
