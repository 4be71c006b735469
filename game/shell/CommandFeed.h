#pragma once
#include "game/io/Command.h"

// Where each frame's commands come from when they are not this machine's alone: a network game or a
// recorded log. The main loop asks once per frame.
class CommandFeed {
  public:
    virtual ~CommandFeed() = default;
    // The commands of the next frame, given this machine's; may wait for the other machine's.
    virtual void Exchange(const PlayerCommand& local, FrameCommands& out) = 0;
    // After the frame has run (and been drawn).
    virtual void AfterFrame() {}
};
