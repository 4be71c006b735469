#include "platform/sdl/SdlReplay.h"

#include <SDL.h>
#include <cstring>

#include "platform/sdl/DikTable.h"
#include "platform/sdl/SdlVideo.h"

SdlReplay::SdlReplay(EventSource& inner, const SdlVideo& video, const ReplayScript& script, int lastFrame)
    : inner_(inner), video_(video), script_(script), lastFrame_(lastFrame) {}

void SdlReplay::Pump(WindowEvents& sink) {
    while (next_ < script_.steps.size() && script_.steps[next_].frame <= frame_) Push(script_.steps[next_++]);
    inner_.Pump(sink);
    if (lastFrame_ >= 0 && frame_ >= lastFrame_) sink.OnClose();
    ++frame_;
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
    case ReplayStep::Shot:
    case ReplayStep::End:
        return;
    }
    SDL_PushEvent(&event);
}
