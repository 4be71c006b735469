#pragma once
#include <cstdint>

// Lines written straight through the last lock (DDLock of the back surface first, DDUnlock after),
// clipped to the screen. Without a lock they draw nothing.
void DrawHLine(int x, int y, int length, uint16_t color);
void DrawVLine(int x, int y, int length, uint16_t color);
// The outline of a rectangle: top, bottom, left and right edges in that order.
void DrawFrameRect(int x, int y, int width, int height, uint16_t color);
