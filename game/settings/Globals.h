#pragma once
// The settings subsystem's program-wide objects.
#include <array>
#include <string>

#include "game/settings/SettingsFile.h"

// The settings file of this run and what the run began with.
struct SettingsStore {
    std::string path;                          // "" when there is no place for the file
    SettingsDocument document;                 // as read (or as last written)
    std::array<bool, kSettingCount> changed{}; // set on the options screen during this run
};

extern Settings gSettings; // in effect: the file's values, the command line's over them, the screen's changes
extern SettingsStore gSettingsStore;
