#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Keys or buttons as a poll reads them, built from press and release events. Between two reads a key
// may go down and up again; the next read still sees it down once, so a tap shorter than a frame is
// never lost. A release followed by a new press between two reads of a held key reads as up, then down,
// so that press is not swallowed either. Several sources (keyboard, gamepad) may hold the same entry:
// it is down while any of them holds it.
template <size_t N> class PressLatch {
  public:
    static constexpr uint8_t kDown = 0x80;

    void Press(size_t i, uint8_t source) {
        if (i >= N) return;
        if (holders_[i] == 0) pressed_[i] = true;
        holders_[i] |= source;
    }
    void Release(size_t i, uint8_t source) {
        if (i >= N || (holders_[i] & source) == 0) return;
        holders_[i] &= static_cast<uint8_t>(~source);
        if (holders_[i] == 0) released_[i] = true;
    }
    // Everything the source holds goes up without a trace (the window lost the focus, a pad was unplugged).
    void Drop(uint8_t source) {
        for (size_t i = 0; i < N; ++i) {
            holders_[i] &= static_cast<uint8_t>(~source);
            if (holders_[i] == 0) pressed_[i] = released_[i] = false;
        }
    }
    bool HeldBy(size_t i, uint8_t source) const { return i < N && (holders_[i] & source) != 0; }

    // One poll: kDown or 0 per entry.
    void Read(uint8_t* out) {
        for (size_t i = 0; i < N; ++i) out[i] = ReadOne(i) ? kDown : 0;
    }

  private:
    bool ReadOne(size_t i) {
        bool down;
        if (reported_[i] && released_[i] && pressed_[i]) {
            down = false; // show the release now, the new press at the next read
            released_[i] = false;
        } else {
            down = holders_[i] != 0 || pressed_[i];
            pressed_[i] = released_[i] = false;
        }
        reported_[i] = down;
        return down;
    }

    std::array<uint8_t, N> holders_{};
    std::array<bool, N> pressed_{};
    std::array<bool, N> released_{};
    std::array<bool, N> reported_{};
};
