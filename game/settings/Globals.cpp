#include "game/settings/Globals.h"

Settings gSettings;
SettingsStore gSettingsStore;
