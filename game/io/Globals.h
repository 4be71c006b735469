#pragma once
// The input and sound subsystem's program-wide objects.
#include "game/io/Input.h"

extern InputState gInput;
extern int gSpaceArmed; // shared by every pen: SPACE was seen up since the last keyboard click
