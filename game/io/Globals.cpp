#include "game/io/Globals.h"

InputState gInput;
int gSpaceArmed = 0;
