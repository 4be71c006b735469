#include "game/io/Input.h"

#include "game/io/Globals.h"

int DICreate(InputDevices* devices) {
    gInput.devices = devices;
    if (!devices) return 0;
    gInput.mousePresent = devices->HasMouse() ? 1 : 0;
    gInput.keyboardPresent = devices->HasKeyboard() ? 1 : 0;
    return 1;
}

const InputState& Player2Input() {
    return gTwoSeats ? gGuestInput : gInput;
}

bool AnySeatKeyDown(int dik) {
    return gInput.KeyDown(dik) || (gTwoSeats && gGuestInput.KeyDown(dik));
}
