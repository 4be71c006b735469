#pragma once
#include <SDL.h>
#include <cstddef>
#include <string>

#include "platform/Events.h"
#include "platform/ReplayScript.h"

class SdlVideo;

// Feeds a script into SDL's event queue: before each frame's pump, the steps of that frame are pushed
// as SDL events, so they travel the same road as a person's input. A scripted gamepad is a virtual
// controller that SDL reads like a real one. Ends the run at the script's end.
class SdlReplay : public EventSource {
  public:
    SdlReplay(EventSource& inner, SdlVideo& video, const ReplayScript& script, int lastFrame);
    ~SdlReplay() override;
    SdlReplay(const SdlReplay&) = delete;
    SdlReplay& operator=(const SdlReplay&) = delete;

    void Pump(WindowEvents& sink) override;
    void KeepAlive() override { inner_.KeepAlive(); }

    // The first name in the script that is not a key or pad button; empty when all are known.
    static std::string UnknownName(const ReplayScript& script);

  private:
    void Push(const ReplayStep& step);
    void PrintEndStamp() const;
    void Pad(const ReplayStep& step);
    void Unplug();

    EventSource& inner_;
    SdlVideo& video_;
    const ReplayScript& script_;
    int lastFrame_;
    int frame_ = 0;
    size_t next_ = 0;
    SDL_Joystick* pad_ = nullptr;
};
