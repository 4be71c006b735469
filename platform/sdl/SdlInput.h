#pragma once
#include <SDL.h>

#include "platform/Events.h"
#include "platform/InputDevices.h"
#include "platform/PressLatch.h"
#include "platform/sdl/SdlGamepads.h"

class SdlVideo;

// Turns SDL events into what the game polls (relative mouse motion summed, three buttons, the DIK key
// table) and what its window receives (focus, typed bytes, commands). The snapshot is built from the
// events themselves, so events pushed by a script take the same path as real ones. Presses are latched
// until the next read, so a tap shorter than a frame is seen; nothing that arrives while the window is
// in the background moves or clicks anything.
class SdlInput : public EventSource, public InputDevices {
  public:
    explicit SdlInput(SdlVideo& video);

    void Pump(WindowEvents& sink) override;
    void KeepAlive() override;

    bool HasMouse() override { return true; }
    bool HasKeyboard() override { return true; }
    bool ReadMouse(MouseSample& sample) override;
    bool ReadKeyboard(uint8_t (&keys)[kKeyCount]) override;
    void Acquire() override {}

  private:
    static constexpr uint8_t kKeyboardSource = 1;
    static constexpr uint8_t kMouseSource = 1;

    void Handle(const SDL_Event& event, WindowEvents& sink);
    void HandleWindow(const SDL_WindowEvent& window, WindowEvents& sink);
    void HandleKeyDown(const SDL_KeyboardEvent& key, WindowEvents& sink);
    void HandleButton(const SDL_MouseButtonEvent& button);
    bool Held(int dik) const { return keys_.HeldBy(size_t(dik), kKeyboardSource); }

    SdlVideo& video_;
    SdlGamepads pads_;
    PressLatch<kKeyCount> keys_;
    PressLatch<3> buttons_;
    bool focused_ = true;
    int dx_ = 0;
    int dy_ = 0;
};
