#pragma once
#include <cstddef>

#include "platform/Events.h"
#include "platform/ReplayScript.h"

class SdlVideo;

// Feeds a script into SDL's event queue: before each frame's pump, the steps of that frame are pushed
// as SDL events, so they travel the same road as a person's input. Ends the run at the script's end.
class SdlReplay : public EventSource {
  public:
    SdlReplay(EventSource& inner, const SdlVideo& video, const ReplayScript& script, int lastFrame);
    void Pump(WindowEvents& sink) override;

  private:
    void Push(const ReplayStep& step);

    EventSource& inner_;
    const SdlVideo& video_;
    const ReplayScript& script_;
    int lastFrame_;
    int frame_ = 0;
    size_t next_ = 0;
};
