#pragma once
#include <cstdint>
#include <string>

#include "game/io/Command.h"
#include "game/shell/FramePacer.h"
#include "platform/Events.h"
#include "platform/Platform.h"

// The game window: runs the start-up sequence and receives focus changes, typed characters and commands.
class CGXFrame : public WindowEvents {
  public:
    // The start-up sequence; false ends the program.
    bool LoadFrame(const PlatformServices& platform, const std::string& mapArgument);
    // Runs one frame of the game on the frame's commands.
    void FrameUpdate(const FrameCommands& commands);
    void FrameDraw();

    void OnFocus(bool gained) override;
    void OnChar(uint8_t code) override;
    void OnCommand(int command) override;
    void OnClose() override;
};

// Opens zor.res and zor2.res of the edition in effect (the English ones in en/, the Korean ones where those
// cannot be read).
void OpenArchives();

// The application: one frame per idle call, paced by the clock.
class CGXApp {
  public:
    void OnIdle(Clock& clock, CGXFrame& frame, const FrameCommands& commands);

  private:
    FramePacer pacer_;
};
