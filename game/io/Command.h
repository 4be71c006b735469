#pragma once
#include <cstddef>
#include <cstdint>

#include "game/io/Input.h"

// What one machine's player did in one frame: the mouse's motion and buttons, the keys down, the bytes
// typed and whether the window had lost its focus. The game applies commands and never reads the devices
// itself, so local play, scripted runs and network play take one path.
struct PlayerCommand {
    static constexpr int kMaxTyped = 32; // bytes typed in one frame; more wait for the next frames
    static constexpr uint8_t kMouseRead = 1;
    static constexpr uint8_t kKeysRead = 2;
    static constexpr uint8_t kFocusLost = 4;
    static constexpr uint8_t kButtonLeft = 1, kButtonRight = 2, kButtonMiddle = 4;

    int16_t dx = 0;
    int16_t dy = 0;
    uint8_t buttons = 0; // kButton* bits
    uint8_t flags = 0;   // which devices were read, and the focus
    uint8_t typedCount = 0;
    uint8_t typed[kMaxTyped] = {};
    uint8_t keys[kKeyCount / 8] = {}; // one bit per DIK code

    bool KeyDown(int dik) const { return (keys[(dik & (kKeyCount - 1)) >> 3] >> (dik & 7)) & 1; }
    void SetKey(int dik) { keys[(dik & (kKeyCount - 1)) >> 3] |= uint8_t(1u << (dik & 7)); }
    bool FocusLost() const { return (flags & kFocusLost) != 0; }
    bool operator==(const PlayerCommand& other) const;
};

// The commands one frame runs on: this machine's (seat 0) and, in network play, the other's (seat 1).
struct FrameCommands {
    PlayerCommand seat[2];
};

// Gathers what the window reports between frames (typed bytes, focus) and reads the devices once a frame
// into the command of the frame.
class CommandSampler {
  public:
    void OnTyped(uint8_t code);
    void SetFocusLost(bool lost) { focusLost_ = lost; }
    bool FocusLost() const { return focusLost_; }
    // Reads the present devices of the input snapshot (gInput's devices and presence flags).
    PlayerCommand Sample();

  private:
    static constexpr size_t kQueue = 256; // a window cannot type more than this between two frames
    uint8_t queue_[kQueue] = {};
    size_t head_ = 0;
    size_t count_ = 0;
    bool focusLost_ = false;
};

// One poll of the devices, as the snapshot `seat` sees it: motion, buttons and the key table (the
// previous table kept for presses). Parts the command did not read stay as they were.
void ApplyCommand(const PlayerCommand& command, InputState& seat);
