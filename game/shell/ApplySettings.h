#pragma once
#include "common/Language.h"
#include "game/settings/Settings.h"
#include "platform/Presenter.h"

// Puts one setting of gSettings in effect at once: the options screen's changes.
void ApplySetting(SettingId id);
// Puts in effect every setting the program did not use before its window was made (the display and the
// language): volumes, keys, pen speed and pace. Run at start-up, after the sound device and the effects.
void ApplyPlaySettings();
// The edition a language setting chooses: its own, or the environment's for "auto".
Language LanguageOfSetting(int choice, EnvironmentLookup lookup);
// The display mode the settings give.
DisplayMode DisplayModeOf(const Settings& settings);
