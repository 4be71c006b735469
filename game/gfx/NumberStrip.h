#pragma once
#include <cstdint>

#include "game/gfx/Surface.h"

// The picture of the digits 0 to 9 side by side, for numbers drawn in the game's art.
struct NumberStrip {
    int32_t digitWidth = 0;
    int32_t digitHeight = 0;
    Surface digits;
};

class Archive;

// Loads the digit picture (a BMP of ten equal cells side by side) from an archive, or from the file
// `name` when archive is null. On failure the strip is empty and numbers draw nothing.
bool LoadDigits(Archive* archive, const char* name);
// Draws a non-negative value right-aligned: its last digit's cell starts at x, each more significant digit
// half a cell further left and keyed over the one to its right. Digits that do not fit are not drawn.
void DrawNumber(int x, int y, int value);
