#pragma once
#include <SDL.h>
#include <map>

#include "platform/InputDevices.h"
#include "platform/PressLatch.h"

// Game controllers as a second keyboard for player 2: the D-pad and the left stick are the arrow keys,
// A is SPACE, Start is P and Back is Escape. Controllers may come and go while the game runs; every one
// that is plugged in drives the same keys.
class SdlGamepads {
  public:
    // Sources in the key latch, beside the keyboard's own.
    static constexpr uint8_t kButtonSource = 2;
    static constexpr uint8_t kStickSource = 4;

    SdlGamepads();
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Takes the controller events (true when the event was one); presses count only while `focused`.
    bool Handle(const SDL_Event& event, PressLatch<kKeyCount>& keys, bool focused);

  private:
    void Open(int deviceIndex);
    void Close(SDL_JoystickID id, PressLatch<kKeyCount>& keys);
    void Stick(const SDL_ControllerAxisEvent& axis, PressLatch<kKeyCount>& keys, bool focused);

    std::map<SDL_JoystickID, SDL_GameController*> open_;
    bool ready_ = false;
};
