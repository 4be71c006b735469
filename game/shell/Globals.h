#pragma once
// The shell's program-wide state.
#include <cstdint>

#include "game/gfx/Archive.h"
#include "game/gfx/Surface.h"
#include "game/shell/GXApp.h"

class Clock;

struct ShellState {
    uint32_t frameCounter = 0; // 0..9999; every animation and blink follows it
    int focusLost = 0;
    int editFocus = 0;      // typing goes to the hidden edit control until the window regains focus
    int closeRequested = 0; // a close request was posted to the game window
    int pictureReloads = 0; // times the pictures were loaded again after lost surfaces (for traces)
    Clock* clock = nullptr; // the clock the program passed in; the selection screen reads the day from it
};

constexpr uint32_t kFrameCounterWrap = 10000;

extern ShellState gShell;
extern CGXApp gApp;
extern CGXFrame gFrame;
// The resource archives: zor.res (most pictures and every sound) and zor2.res (title and pack screens).
extern Archive gMainArchive;
extern Archive gSecondArchive;
// Holds "loading.pcx" while it is put on screen at start-up.
extern Surface gSparePicture;

// Asks the game window to close; the main loop ends before the next frame.
void PostClose();
