#pragma once
#include <string>

#include "platform/Platform.h"

class CommandFeed;
class CommandLog;

// Watches the loop from outside, after every frame (scripted runs: traces and screenshots).
class FrameObserver {
  public:
    virtual ~FrameObserver() = default;
    virtual void AfterFrame() = 0;
};

// What a run adds to the loop: a watcher, where the commands come from when not from this machine alone
// (a network game, a log), and a log that records every frame's commands.
struct GameLoop {
    FrameObserver* observer = nullptr;
    CommandFeed* feed = nullptr;
    CommandLog* record = nullptr;
};

// Starts the game and runs frames until the window is asked to close; the process exit code.
// mapArgument is the test map to play, or "" for a normal start.
int RunGame(const PlatformServices& platform, const GameLoop& loop, const std::string& mapArgument);
