#pragma once
#include "game/gfx/Rect.h"
#include "game/io/Pen.h"

// Where life symbol i of a player stands: player 1's grow leftwards from x 202, player 2's rightwards from
// 425.
inline Point LifeSymbolAt(const Pen& pen, int i) {
    constexpr int kSpacing = 18, kY = 455, kPlayer1X = 202, kPlayer2X = 425;
    return {pen.kind == PenPlayer1 ? kPlayer1X - kSpacing * i : kPlayer2X + kSpacing * i, kY};
}
