#pragma once
#include <cstdint>

// Time as the game sees it. The game never asks the platform for the time: it is handed a Clock.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual uint32_t Ticks() = 0; // milliseconds, wrapping like timeGetTime
    virtual void Sleep(uint32_t ms) = 0;
    virtual uint32_t CalendarTime() = 0; // seconds, used once to seed the random generator
};

// A clock that only moves when told to: sleeping advances it, work takes no time unless a test says so.
class VirtualClock : public Clock {
  public:
    explicit VirtualClock(uint32_t seedTime = 0) : seedTime_(seedTime) {}
    uint32_t Ticks() override { return now_; }
    void Sleep(uint32_t ms) override { now_ += ms; }
    uint32_t CalendarTime() override { return seedTime_; }
    void Advance(uint32_t ms) { now_ += ms; }

  private:
    uint32_t now_ = 0;
    uint32_t seedTime_;
};

// Another clock's time with a calendar time of its own: a network game's guest seeds its random
// generator (and reads its day) from the host's.
class SeededClock : public Clock {
  public:
    SeededClock(Clock& inner, uint32_t calendarTime) : inner_(inner), calendarTime_(calendarTime) {}
    uint32_t Ticks() override { return inner_.Ticks(); }
    void Sleep(uint32_t ms) override { inner_.Sleep(ms); }
    uint32_t CalendarTime() override { return calendarTime_; }

  private:
    Clock& inner_;
    uint32_t calendarTime_;
};
