#include "platform/sdl/SdlInput.h"

#include <algorithm>

#include "platform/Cp949.h"
#include "platform/sdl/DikTable.h"
#include "platform/sdl/SdlVideo.h"

namespace {
constexpr uint8_t kDown = 0x80;
constexpr int kDikLeftControl = 0x1D, kDikRightControl = 0x9D, kDikLeftAlt = 0x38, kDikRightAlt = 0xB8;
constexpr uint8_t kCharReturn = 13, kCharBackspace = 8, kCharEscape = 27;

int ButtonIndex(Uint8 sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    default:
        return -1;
    }
}
} // namespace

SdlInput::SdlInput(SdlVideo& video) : video_(video) {
    SDL_SetRelativeMouseMode(SDL_TRUE);
    SDL_StartTextInput();
}

void SdlInput::Pump(WindowEvents& sink) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) Handle(event, sink);
}

void SdlInput::Handle(const SDL_Event& event, WindowEvents& sink) {
    switch (event.type) {
    case SDL_QUIT:
        sink.OnClose();
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) sink.OnFocus(true);
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            // Like a foreground-only device, the keyboard and buttons read as released while away.
            std::fill(std::begin(keys_), std::end(keys_), 0);
            std::fill(std::begin(buttons_), std::end(buttons_), 0);
            sink.OnFocus(false);
        }
        break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        video_.MarkLost();
        break;
    case SDL_KEYDOWN:
        HandleKeyDown(event.key, sink);
        break;
    case SDL_KEYUP:
        if (int dik = DikFromScancode(event.key.keysym.scancode)) keys_[dik] = 0;
        break;
    case SDL_TEXTINPUT:
        for (char c : Utf8ToCp949(event.text.text)) sink.OnChar(static_cast<uint8_t>(c));
        break;
    case SDL_MOUSEMOTION:
        dx_ += event.motion.xrel;
        dy_ += event.motion.yrel;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (int i = ButtonIndex(event.button.button); i >= 0)
            buttons_[i] = event.type == SDL_MOUSEBUTTONDOWN ? kDown : 0;
        break;
    default:
        break;
    }
}

void SdlInput::HandleKeyDown(const SDL_KeyboardEvent& key, WindowEvents& sink) {
    const int dik = DikFromScancode(key.keysym.scancode);
    if (dik) keys_[dik] = kDown;
    const bool ctrl = Held(kDikLeftControl) || Held(kDikRightControl);
    const bool alt = Held(kDikLeftAlt) || Held(kDikRightAlt);
    switch (key.keysym.scancode) {
    case SDL_SCANCODE_Q:
        if (ctrl && !key.repeat) sink.OnCommand(CmdExit);
        break;
    case SDL_SCANCODE_X:
        if (alt && !key.repeat) sink.OnCommand(CmdExit);
        break;
    case SDL_SCANCODE_TAB:
        if (!key.repeat) sink.OnCommand(CmdFocusEdit);
        break;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
        if (alt) {
            if (!key.repeat) video_.ToggleFullScreen();
        } else {
            sink.OnChar(kCharReturn);
        }
        break;
    case SDL_SCANCODE_BACKSPACE:
        sink.OnChar(kCharBackspace);
        break;
    case SDL_SCANCODE_ESCAPE:
        sink.OnChar(kCharEscape);
        break;
    default:
        break;
    }
}

bool SdlInput::ReadMouse(MouseSample& sample) {
    sample.dx = dx_;
    sample.dy = dy_;
    std::copy(std::begin(buttons_), std::end(buttons_), sample.buttons);
    dx_ = dy_ = 0;
    return true;
}

bool SdlInput::ReadKeyboard(uint8_t (&keys)[kKeyCount]) {
    std::copy(std::begin(keys_), std::end(keys_), keys);
    return true;
}
