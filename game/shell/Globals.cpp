#include "game/shell/Globals.h"

ShellState gShell;
CGXApp gApp;
CGXFrame gFrame;
Archive gMainArchive;
Archive gSecondArchive;
Surface gSparePicture;

void PostClose() {
    gShell.closeRequested = 1;
}
