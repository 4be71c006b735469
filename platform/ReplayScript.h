#pragma once
#include <string>
#include <vector>

// A script of input events keyed by frame number, for runs without a person:
//   FRAME key down|up DIKNAME      FRAME move DX DY          FRAME button down|up left|right|middle
//   FRAME text "UTF-8 TEXT"        FRAME focus lost|gained   FRAME shot FILE.bmp
//   FRAME screen FILE.bmp          FRAME reset device|targets
//   FRAME pad plug|unplug          FRAME pad down|up BUTTON  FRAME pad stick X Y
//   FRAME end
// Lines starting with "#" and blank lines are ignored. Frames count loop iterations from 0; "N end" stops
// the run before frame N, so frames 0..N-1 run.
struct ReplayStep {
    enum Kind {
        KeyDown,
        KeyUp,
        Move,
        ButtonDown,
        ButtonUp,
        Text,
        FocusLost,
        FocusGained,
        Shot,
        Screen, // what the window shows, scaled, with its borders
        ResetDevice,
        ResetTargets,
        PadPlug,
        PadUnplug,
        PadDown,
        PadUp,
        PadStick, // the left stick's position, -32768..32767 on each axis
        End
    };
    int frame = 0;
    Kind kind = End;
    std::string text; // key name, button name, typed text or shot file name
    int dx = 0;       // motion, or the stick's x
    int dy = 0;
};

struct ReplayScript {
    std::vector<ReplayStep> steps; // in file order; frames never decrease
    int endFrame = -1;             // -1 when the script has no "end" line

    // Parses the script; on failure returns false with "line N: reason" in error.
    bool Parse(const std::string& text, std::string& error);
};
