#include "game/settings/SettingsStore.h"

#include "game/settings/Globals.h"

void LoadSettings(const std::string& path, std::vector<std::string>& messages) {
    gSettingsStore = SettingsStore{};
    gSettingsStore.path = path;
    if (!path.empty()) gSettingsStore.document = ReadSettingsFile(path, messages);
    gSettings = gSettingsStore.document.loaded;
}

void ChangeSetting(SettingId id, int value) {
    gSettings[id] = value;
    gSettingsStore.changed[id] = true;
}

bool SaveSettings(std::string& error) {
    SettingsDocument& document = gSettingsStore.document;
    Settings saved = document.loaded;
    for (int id = 0; id < kSettingCount; ++id)
        if (gSettingsStore.changed[id]) saved.values[id] = gSettings.values[id];
    if (!WriteSettingsFile(gSettingsStore.path, document, saved, error)) return false;
    // The file now holds these lines; the next save starts from them.
    std::vector<std::string> ignored;
    const std::string text = FormatSettings(document, saved);
    document = ParseSettings(text, ignored);
    document.existed = true;
    return true;
}
