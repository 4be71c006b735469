#include "platform/sdl/SdlReplay.h"

#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/sdl/DikTable.h"
#include "platform/sdl/SdlVideo.h"

SdlReplay::SdlReplay(EventSource& inner, SdlVideo& video, const ReplayScript& script, int lastFrame)
    : inner_(inner), video_(video), script_(script), lastFrame_(lastFrame) {}

SdlReplay::~SdlReplay() {
    Unplug();
}

std::string SdlReplay::UnknownName(const ReplayScript& script) {
    for (const ReplayStep& step : script.steps) {
        const bool key = step.kind == ReplayStep::KeyDown || step.kind == ReplayStep::KeyUp;
        const bool pad = step.kind == ReplayStep::PadDown || step.kind == ReplayStep::PadUp;
        if ((key && !DikByName(step.text.c_str())) ||
            (pad &&
             SDL_GameControllerGetButtonFromString(step.text.c_str()) == SDL_CONTROLLER_BUTTON_INVALID))
            return step.text;
    }
    return {};
}

void SdlReplay::Pump(WindowEvents& sink) {
    while (next_ < script_.steps.size() && script_.steps[next_].frame <= frame_) Push(script_.steps[next_++]);
    inner_.Pump(sink);
    if (lastFrame_ >= 0 && frame_ >= lastFrame_) {
        if (std::getenv("ZOR_END_STAMP")) PrintEndStamp();
        sink.OnClose();
    }
    ++frame_;
}

// The start-up benchmark times process start to the end of the last frame, not to the process's end:
// closing the audio device alone waits for the device to drain its last two buffers.
void SdlReplay::PrintEndStamp() const {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("end of frame %d at %lld us\n", lastFrame_,
                static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000);
    std::fflush(stdout);
}

namespace {
Uint8 SdlButton(const std::string& name) {
    if (name == "right") return SDL_BUTTON_RIGHT;
    if (name == "middle") return SDL_BUTTON_MIDDLE;
    return SDL_BUTTON_LEFT;
}
} // namespace

void SdlReplay::Push(const ReplayStep& step) {
    SDL_Event event{};
    switch (step.kind) {
    case ReplayStep::KeyDown:
    case ReplayStep::KeyUp: {
        const DikKey* key = DikByName(step.text.c_str());
        if (!key) return;
        event.type = step.kind == ReplayStep::KeyDown ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = step.kind == ReplayStep::KeyDown ? SDL_PRESSED : SDL_RELEASED;
        event.key.windowID = video_.WindowId();
        event.key.keysym.scancode = key->scancode;
        event.key.keysym.sym = SDL_GetKeyFromScancode(key->scancode);
        break;
    }
    case ReplayStep::Move:
        event.type = SDL_MOUSEMOTION;
        event.motion.windowID = video_.WindowId();
        event.motion.xrel = step.dx;
        event.motion.yrel = step.dy;
        break;
    case ReplayStep::ButtonDown:
    case ReplayStep::ButtonUp:
        event.type = step.kind == ReplayStep::ButtonDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.windowID = video_.WindowId();
        event.button.button = SdlButton(step.text);
        event.button.state = step.kind == ReplayStep::ButtonDown ? SDL_PRESSED : SDL_RELEASED;
        break;
    case ReplayStep::Text:
        event.type = SDL_TEXTINPUT;
        event.text.windowID = video_.WindowId();
        std::strncpy(event.text.text, step.text.c_str(), sizeof event.text.text - 1);
        break;
    case ReplayStep::FocusLost:
    case ReplayStep::FocusGained:
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = video_.WindowId();
        event.window.event =
            step.kind == ReplayStep::FocusLost ? SDL_WINDOWEVENT_FOCUS_LOST : SDL_WINDOWEVENT_FOCUS_GAINED;
        break;
    case ReplayStep::ResetDevice:
    case ReplayStep::ResetTargets:
        event.type =
            step.kind == ReplayStep::ResetDevice ? SDL_RENDER_DEVICE_RESET : SDL_RENDER_TARGETS_RESET;
        break;
    case ReplayStep::Screen:
        video_.ShootOutput(step.text);
        return;
    case ReplayStep::PadPlug:
    case ReplayStep::PadUnplug:
    case ReplayStep::PadDown:
    case ReplayStep::PadUp:
    case ReplayStep::PadStick:
        Pad(step);
        return;
    case ReplayStep::Shot:
    case ReplayStep::End:
        return;
    }
    SDL_PushEvent(&event);
}

// The virtual controller's state is read by SDL at the next event pump, which turns its changes into
// controller events (and its plugging into device added and removed).
void SdlReplay::Pad(const ReplayStep& step) {
    if (step.kind == ReplayStep::PadPlug && !pad_) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "scripted pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index >= 0) pad_ = SDL_JoystickOpen(index);
        return;
    }
    if (step.kind == ReplayStep::PadUnplug) Unplug();
    if (!pad_) return;
    if (step.kind == ReplayStep::PadDown || step.kind == ReplayStep::PadUp) {
        const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(step.text.c_str());
        SDL_JoystickSetVirtualButton(pad_, button,
                                     step.kind == ReplayStep::PadDown ? SDL_PRESSED : SDL_RELEASED);
    }
    if (step.kind == ReplayStep::PadStick) {
        SDL_JoystickSetVirtualAxis(pad_, SDL_CONTROLLER_AXIS_LEFTX, Sint16(step.dx));
        SDL_JoystickSetVirtualAxis(pad_, SDL_CONTROLLER_AXIS_LEFTY, Sint16(step.dy));
    }
}

void SdlReplay::Unplug() {
    if (!pad_) return;
    const SDL_JoystickID id = SDL_JoystickInstanceID(pad_);
    SDL_JoystickClose(pad_);
    pad_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == id) {
            SDL_JoystickDetachVirtual(i);
            return;
        }
    }
}
