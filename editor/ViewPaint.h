#pragma once

class CMfcappView;
class QPainter;

// Paints the view onto any painter (window, grabbed image, printer): the picture at its natural size at
// (20, 20), the differing pixels tinted while shown, the five rectangles' one-pixel outlines in a new random
// colour, the last check's stray places ringed in magenta, and the map path in white at (0, 0). The
// background is the caller's.
void PaintView(QPainter& painter, const CMfcappView& view);
