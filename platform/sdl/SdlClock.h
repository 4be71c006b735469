#pragma once
#include <SDL.h>
#include <ctime>

#include "platform/Clock.h"

class SdlClock : public Clock {
  public:
    uint32_t Ticks() override { return SDL_GetTicks(); }
    void Sleep(uint32_t ms) override { SDL_Delay(ms); }
    uint32_t CalendarTime() override { return static_cast<uint32_t>(std::time(nullptr)); }
};
