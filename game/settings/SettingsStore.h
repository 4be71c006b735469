#pragma once
#include <string>
#include <vector>

#include "game/settings/Settings.h"

// Reads the file at `path` into the store and puts its values in effect; messages as ParseSettings's.
void LoadSettings(const std::string& path, std::vector<std::string>& messages);
// A change made on the options screen: in effect at once and saved with the file.
void ChangeSetting(SettingId id, int value);
// Writes the file: the settings changed on the screen take their new values, every other keeps the file's
// own, so an option of the command line never reaches the file. False with the reason in error.
bool SaveSettings(std::string& error);
