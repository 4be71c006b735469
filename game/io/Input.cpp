#include "game/io/Input.h"

#include <cstring>

#include "game/io/Globals.h"

int DICreate(InputDevices* devices) {
    gInput.devices = devices;
    if (!devices) return 0;
    gInput.mousePresent = devices->HasMouse() ? 1 : 0;
    gInput.keyboardPresent = devices->HasKeyboard() ? 1 : 0;
    return 1;
}

namespace {
void PollMouse() {
    MouseSample sample;
    if (!gInput.devices->ReadMouse(sample)) {
        gInput.devices->Acquire();
        // A poll whose second read fails too counts as no motion and no buttons.
        if (!gInput.devices->ReadMouse(sample)) sample = MouseSample{};
    }
    gInput.buttonsWereUp =
        (gInput.mouseLeft == 0 && gInput.mouseMiddle == 0 && gInput.mouseRight == 0) ? 1 : 0;
    gInput.mouseDX = sample.dx;
    gInput.mouseDY = sample.dy;
    gInput.mouseLeft = sample.buttons[0];
    gInput.mouseRight = sample.buttons[1];
    gInput.mouseMiddle = sample.buttons[2];
}

void PollKeyboard() {
    std::memcpy(gInput.previousKeys, gInput.keys, sizeof gInput.keys);
    if (!gInput.devices->ReadKeyboard(gInput.keys)) {
        gInput.devices->Acquire();
        gInput.devices->ReadKeyboard(gInput.keys);
    }
}
} // namespace

void DIPoll() {
    if (!gInput.devices) return;
    if (gInput.mousePresent) PollMouse();
    if (gInput.keyboardPresent) PollKeyboard();
}
