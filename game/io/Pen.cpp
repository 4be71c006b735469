#include "game/io/Pen.h"

#include <algorithm>

#include "game/io/Dik.h"
#include "game/io/Globals.h"

namespace {
constexpr int kKeyStep = 8;
constexpr int kMenuPenLives = 5; // keeps the menu pen updated and drawn

struct PenPlacement {
    Rect bounds;
    Point start;
};

PenPlacement PlacementFor(int kind) {
    switch (kind) {
    case PenPlayer1:
        return {{0, 0, 290, 400}, {100, 200}};
    case PenPlayer2:
        return {{309, 0, 599, 400}, {540, 200}};
    default:
        return {{0, 0, 610, 450}, {320, 200}};
    }
}

bool MouseDriven(int kind) {
    return kind == PenMenu || kind == PenPlayer1;
}
bool KeyDriven(int kind) {
    return kind == PenMenu || kind == PenPlayer2;
}
} // namespace

void PenReset(Pen& pen, int kind) {
    if (kind != -1) pen.kind = kind;
    const PenPlacement place = PlacementFor(pen.kind);
    pen.bounds = place.bounds;
    pen.x = place.start.x;
    pen.y = place.start.y;
    pen.animStep = 0;
    pen.freeze = 0;
    if (pen.kind == PenMenu) pen.lives = kMenuPenLives;
}

void PenResetBonus(Pen& pen) {
    if (pen.kind != PenPlayer1 && pen.kind != PenPlayer2) return;
    pen.bounds = {5, 5, 630, 470};
    pen.x = pen.kind == PenPlayer1 ? 100 : 540;
    pen.y = 200;
}

int PenMove(Pen& pen) {
    if (MouseDriven(pen.kind)) {
        pen.x += gInput.mouseDX;
        pen.y += gInput.mouseDY;
    }
    if (KeyDriven(pen.kind)) {
        if (gInput.KeyDown(DIK_LEFT))
            pen.x -= kKeyStep;
        else if (gInput.KeyDown(DIK_RIGHT))
            pen.x += kKeyStep;
        if (gInput.KeyDown(DIK_UP))
            pen.y -= kKeyStep;
        else if (gInput.KeyDown(DIK_DOWN))
            pen.y += kKeyStep;
    }
    pen.x = std::min(std::max(pen.x, pen.bounds.left), pen.bounds.right);
    pen.y = std::min(std::max(pen.y, pen.bounds.top), pen.bounds.bottom);

    if (MouseDriven(pen.kind) && gInput.mouseLeft != 0 && gInput.buttonsWereUp == 1) return 1;
    if (pen.kind == PenPlayer1) return 0;
    if (!gInput.KeyDown(DIK_SPACE)) {
        gSpaceArmed = 1;
        return 0;
    }
    if (gSpaceArmed == 1) {
        gSpaceArmed = 0;
        return 1;
    }
    return 0;
}

int PointInRect(const Rect& rect, const Point& point) {
    return rect.left <= point.x && point.x <= rect.right && rect.top <= point.y && point.y <= rect.bottom ? 1
                                                                                                          : 0;
}
