#include "platform/sdl/SdlGamepads.h"

#include "platform/sdl/DikTable.h"

namespace {
// Past half of its travel a stick counts as a pressed direction.
constexpr Sint16 kStickThreshold = 16384;

int DikForButton(Uint8 button) {
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return DikFromScancode(SDL_SCANCODE_UP);
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return DikFromScancode(SDL_SCANCODE_DOWN);
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return DikFromScancode(SDL_SCANCODE_LEFT);
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return DikFromScancode(SDL_SCANCODE_RIGHT);
    case SDL_CONTROLLER_BUTTON_A:
        return DikFromScancode(SDL_SCANCODE_SPACE);
    case SDL_CONTROLLER_BUTTON_START:
        return DikFromScancode(SDL_SCANCODE_P);
    case SDL_CONTROLLER_BUTTON_BACK:
        return DikFromScancode(SDL_SCANCODE_ESCAPE);
    default:
        return 0;
    }
}

void Set(PressLatch<kKeyCount>& keys, int dik, uint8_t source, bool down, bool focused) {
    if (!down)
        keys.Release(size_t(dik), source);
    else if (focused)
        keys.Press(size_t(dik), source);
}
} // namespace

SdlGamepads::SdlGamepads() {
    // The game drops what arrives while its window is in the background itself; without this SDL would
    // also hold back the controller events of windows that never get the keyboard focus (headless runs).
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ready_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

SdlGamepads::~SdlGamepads() {
    for (auto& [id, controller] : open_) SDL_GameControllerClose(controller);
    if (ready_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlGamepads::Handle(const SDL_Event& event, PressLatch<kKeyCount>& keys, bool focused) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        Open(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        Close(event.cdevice.which, keys);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        if (int dik = DikForButton(event.cbutton.button))
            Set(keys, dik, kButtonSource, event.type == SDL_CONTROLLERBUTTONDOWN, focused);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        Stick(event.caxis, keys, focused);
        return true;
    default:
        return false;
    }
}

void SdlGamepads::Open(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (!open_.emplace(id, controller).second) SDL_GameControllerClose(controller); // already open
}

void SdlGamepads::Close(SDL_JoystickID id, PressLatch<kKeyCount>& keys) {
    const auto it = open_.find(id);
    if (it == open_.end()) return;
    SDL_GameControllerClose(it->second);
    open_.erase(it);
    if (open_.empty()) keys.Drop(kButtonSource | kStickSource);
}

void SdlGamepads::Stick(const SDL_ControllerAxisEvent& axis, PressLatch<kKeyCount>& keys, bool focused) {
    SDL_Scancode negative, positive;
    if (axis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
        negative = SDL_SCANCODE_LEFT;
        positive = SDL_SCANCODE_RIGHT;
    } else if (axis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
        negative = SDL_SCANCODE_UP;
        positive = SDL_SCANCODE_DOWN;
    } else {
        return;
    }
    Set(keys, DikFromScancode(negative), kStickSource, axis.value <= -kStickThreshold, focused);
    Set(keys, DikFromScancode(positive), kStickSource, axis.value >= kStickThreshold, focused);
}
