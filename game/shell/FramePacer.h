#pragma once
#include <cstdint>

#include "platform/Clock.h"

// Paces frames 45 ms apart from the time stamp taken before the previous frame's sleep, so a frame
// that slept is followed by one that does not (frames at 0, 5, 50, 55 ... with 5 ms of work).
class FramePacer {
  public:
    static constexpr uint32_t kFrameMs = 45;

    template <typename Work> void RunFrame(Clock& clock, Work&& work) {
        const uint32_t t = clock.Ticks();
        const int32_t d = static_cast<int32_t>(previous_ + kFrameMs - t);
        if (d > 0) clock.Sleep(static_cast<uint32_t>(d));
        work();
        previous_ = t;
    }

  private:
    uint32_t previous_ = 0;
};
