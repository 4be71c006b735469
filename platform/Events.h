#pragma once
#include <cstdint>

// Commands of the game window, reached through accelerator keys.
enum FrameCommand : int {
    CmdExit = 32771,      // Ctrl+Q, Alt+X
    CmdFocusEdit = 32772, // Tab: keyboard focus to the hidden edit control
    CmdFocusGame = 32773, // no key
};

// What the window tells the game between frames.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    virtual void OnFocus(bool gained) = 0;
    virtual void OnChar(uint8_t code) = 0; // typed characters as code page 949 bytes; 13, 8, 9, 27 for keys
    virtual void OnCommand(int command) = 0;
    virtual void OnClose() = 0; // the platform closes the window
};

// Delivers the events that arrived since the previous call.
class EventSource {
  public:
    virtual ~EventSource() = default;
    virtual void Pump(WindowEvents& sink) = 0;
    // Keeps the window answering while the game waits between frames (a network game's late command);
    // what arrives meanwhile waits for the next Pump.
    virtual void KeepAlive() {}
};
