#pragma once
#include <string>

#include "platform/Platform.h"

// Watches the loop from outside, after every frame (scripted runs: traces and screenshots).
class FrameObserver {
  public:
    virtual ~FrameObserver() = default;
    virtual void AfterFrame() = 0;
};

// Starts the game and runs frames until the window is asked to close; the process exit code.
// mapArgument is the test map to play, or "" for a normal start.
int RunGame(const PlatformServices& platform, FrameObserver* observer, const std::string& mapArgument);
