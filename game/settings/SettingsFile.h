#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "common/Language.h"
#include "game/settings/Settings.h"

// The settings file: plain "key = value" lines; blank lines and lines starting with # or ; are comments.
// Every line is kept as it was read, so that writing the file again changes only the lines of settings
// that changed and keeps comments, unknown keys (a newer game's) and lines it cannot read.
struct SettingsLine {
    std::string text; // as read, without its line end
    int setting = -1; // the SettingId the line names, -1 for every other line
};

struct SettingsDocument {
    std::vector<SettingsLine> lines;
    Settings loaded;      // what the file gave: the defaults where it gave nothing usable
    bool existed = false; // a file was read
    bool writable = true; // false when a file is there that could not be read: it is never written over
};

// Reads a settings file's text. Each bad value (out of range, of the wrong kind, a key given twice, a key
// bound twice, a line that is not "key = value") adds one message "line N: ..." that names the default used.
SettingsDocument ParseSettings(std::string_view text, std::vector<std::string>& messages);
// The text of the file holding `settings`: the document's lines, those of the settings that differ from
// what was loaded rewritten, and the settings it lacks appended with their comments (all of them for a
// document that was not read from a file).
std::string FormatSettings(const SettingsDocument& document, const Settings& settings);

// $XDG_CONFIG_HOME/zor/settings.ini, or ~/.config/zor/settings.ini when that is unset or not an absolute
// path; "" when neither gives an absolute place (a relative one would land in the game folder).
std::string SettingsPath(EnvironmentLookup lookup);
// No file gives the defaults without a message; a file that cannot be read or is too large gives the
// defaults with a message and is marked not writable.
SettingsDocument ReadSettingsFile(const std::string& path, std::vector<std::string>& messages);
// Writes the file whole or not at all, making its folder when there is none; false with the reason.
bool WriteSettingsFile(const std::string& path, const SettingsDocument& document, const Settings& settings,
                       std::string& error);
