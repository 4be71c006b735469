#pragma once
#include "platform/Platform.h"

// Watches the loop from outside, after every frame (scripted runs: traces and screenshots).
class FrameObserver {
  public:
    virtual ~FrameObserver() = default;
    virtual void AfterFrame() = 0;
};

// Starts the game and runs frames until the window is asked to close; the process exit code.
int RunGame(const PlatformServices& platform, FrameObserver* observer);
