#pragma once
#include <SDL.h>

#include "platform/Events.h"
#include "platform/InputDevices.h"

class SdlVideo;

// Turns SDL events into what the game polls (relative mouse motion summed, three buttons, the DIK key
// table) and what its window receives (focus, typed bytes, commands). The snapshot is built from the
// events themselves, so events pushed by a script take the same path as real ones.
class SdlInput : public EventSource, public InputDevices {
  public:
    explicit SdlInput(SdlVideo& video);

    void Pump(WindowEvents& sink) override;

    bool HasMouse() override { return true; }
    bool HasKeyboard() override { return true; }
    bool ReadMouse(MouseSample& sample) override;
    bool ReadKeyboard(uint8_t (&keys)[kKeyCount]) override;
    void Acquire() override {}

  private:
    void Handle(const SDL_Event& event, WindowEvents& sink);
    void HandleKeyDown(const SDL_KeyboardEvent& key, WindowEvents& sink);
    bool Held(int dik) const { return keys_[dik] != 0; }

    SdlVideo& video_;
    uint8_t keys_[kKeyCount] = {};
    uint8_t buttons_[3] = {};
    int dx_ = 0;
    int dy_ = 0;
};
