#include "platform/sdl/SdlInput.h"

#include "platform/Cp949.h"
#include "platform/sdl/DikTable.h"
#include "platform/sdl/SdlVideo.h"

namespace {
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

void SdlInput::KeepAlive() {
    SDL_PumpEvents();
}

void SdlInput::Handle(const SDL_Event& event, WindowEvents& sink) {
    if (pads_.Handle(event, keys_, focused_)) return;
    switch (event.type) {
    case SDL_QUIT:
        sink.OnClose();
        break;
    case SDL_WINDOWEVENT:
        HandleWindow(event.window, sink);
        break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        video_.Reset();
        break;
    case SDL_KEYDOWN:
        HandleKeyDown(event.key, sink);
        break;
    case SDL_KEYUP:
        if (int dik = DikFromScancode(event.key.keysym.scancode)) keys_.Release(size_t(dik), kKeyboardSource);
        break;
    case SDL_TEXTINPUT:
        for (char c : Utf8ToCp949(event.text.text)) sink.OnChar(static_cast<uint8_t>(c));
        break;
    case SDL_MOUSEMOTION:
        if (focused_) {
            dx_ += event.motion.xrel;
            dy_ += event.motion.yrel;
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        HandleButton(event.button);
        break;
    default:
        break;
    }
}

void SdlInput::HandleWindow(const SDL_WindowEvent& window, WindowEvents& sink) {
    if (window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        focused_ = true;
        sink.OnFocus(true);
    }
    if (window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        // Like a foreground-only device: keys and buttons read as released while away, and motion made
        // elsewhere is not saved up for the return.
        focused_ = false;
        keys_.Drop(kKeyboardSource | SdlGamepads::kButtonSource | SdlGamepads::kStickSource);
        buttons_.Drop(kMouseSource);
        dx_ = dy_ = 0;
        sink.OnFocus(false);
    }
}

void SdlInput::HandleButton(const SDL_MouseButtonEvent& button) {
    const int i = ButtonIndex(button.button);
    if (i < 0) return;
    if (button.type == SDL_MOUSEBUTTONUP)
        buttons_.Release(size_t(i), kMouseSource);
    else if (focused_)
        buttons_.Press(size_t(i), kMouseSource);
}

void SdlInput::HandleKeyDown(const SDL_KeyboardEvent& key, WindowEvents& sink) {
    const int dik = DikFromScancode(key.keysym.scancode);
    if (dik && focused_) keys_.Press(size_t(dik), kKeyboardSource);
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
    buttons_.Read(sample.buttons);
    dx_ = dy_ = 0;
    return true;
}

bool SdlInput::ReadKeyboard(uint8_t (&keys)[kKeyCount]) {
    keys_.Read(keys);
    return true;
}
