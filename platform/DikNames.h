#pragma once
#include <string_view>

// Names of the keys by DirectInput scan code (DIK), for scripts, the settings file and the options screen:
// "ESCAPE", "SPACE", "LEFT", "RETURN", "8", "Q"...
const char* DikNameOf(int dik);         // null for a code no key has
int DikFromName(std::string_view name); // letter case aside; 0 when no key has the name
