#pragma once
#include <cstdint>

// One read of the mouse: relative motion since the previous read and the three button bytes
// (0 when up, 0x80 when down).
struct MouseSample {
    int dx = 0;
    int dy = 0;
    uint8_t buttons[3] = {0, 0, 0};
};

constexpr int kKeyCount = 256;

// The polled devices: a mouse and a keyboard table indexed by DIK scan code.
class InputDevices {
  public:
    virtual ~InputDevices() = default;
    virtual bool HasMouse() = 0;
    virtual bool HasKeyboard() = 0;
    // False when the device was lost; Acquire then gets it back.
    virtual bool ReadMouse(MouseSample& sample) = 0;
    virtual bool ReadKeyboard(uint8_t (&keys)[kKeyCount]) = 0;
    virtual void Acquire() = 0;
};
