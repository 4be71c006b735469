#pragma once
#include <cstdint>

#include "platform/InputDevices.h"

// The snapshot of mouse and keyboard a frame's command gives (ApplyCommand), one per seat: the machine's
// own and, in network play, the other machine's (gGuestInput).
struct InputState {
    InputDevices* devices = nullptr;
    int mousePresent = 0;
    int keyboardPresent = 0;
    int joystickPresent = 0; // no part of the game reads a joystick
    int mouseDX = 0;
    int mouseDY = 0;
    int mouseLeft = 0;
    int mouseRight = 0;
    int mouseMiddle = 0;
    int buttonsWereUp = 0;
    uint8_t keys[kKeyCount] = {};
    uint8_t previousKeys[kKeyCount] = {}; // the table of the poll before

    bool KeyDown(int dik) const { return dik >= 0 && dik < kKeyCount && keys[dik] != 0; }
    // Down at this poll and up at the one before.
    bool KeyPressed(int dik) const { return KeyDown(dik) && previousKeys[dik] == 0; }
};

// Sets up the devices; 0 when there are none (the caller shows "Direct Input Create error!!!!").
int DICreate(InputDevices* devices);
// The snapshot of player 2's own controls: the other machine's in network play, this one's otherwise.
const InputState& Player2Input();
// Down on either machine in network play (the pause key).
bool AnySeatKeyDown(int dik);
