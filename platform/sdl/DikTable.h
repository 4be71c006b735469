#pragma once
#include <SDL_scancode.h>

// The fixed SDL scancode -> DirectInput scan code (DIK) table of a PC keyboard, found by the key's DIK name
// (platform/DikNames.h) for scripts.
struct DikKey {
    SDL_Scancode scancode;
    int dik;
};

int DikFromScancode(SDL_Scancode scancode); // 0 for keys the table does not hold
const DikKey* DikByName(const char* name);  // "ESCAPE", "SPACE", "LEFT", "8", "Q"...; null when unknown
