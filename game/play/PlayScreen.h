#pragma once

// The frame around the pictures with the counter and both players' time bars.
void DrawPlayFrame(int bonus);
// The whole play screen: stage picture, frame, marks, sparks, pens and banner.
void DrawPlayScreen();
