#pragma once

class Pen;

// The pen and mark pictures, loaded at the first load message only.
void LoadPenPictures();
void LoadMarkPictures();

void DrawPen(const Pen& pen);
// The bonus stage's hands in place of the pens.
void DrawBonusPen(const Pen& pen);
