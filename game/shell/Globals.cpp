#include "game/shell/Globals.h"

ShellState gShell;
CGXApp gApp;
CGXFrame gFrame;

void PostClose() { gShell.closeRequested = 1; }
