#include "game/io/Pen.h"

#include <algorithm>

#include "game/io/Dik.h"
#include "game/io/Globals.h"

namespace {
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

// Player 1's pen follows the mouse unless the settings give it keys; the menu pen takes both; player 2's
// follows the other machine's mouse in network play.
bool MouseDriven(int kind) {
    return kind == PenMenu || (kind == PenPlayer1 && gPlayer1OnKeys == 0) ||
           (kind == PenPlayer2 && gTwoSeats);
}

// The snapshot a pen reads: the other machine's for player 2 in network play, this machine's otherwise.
const InputState& InputOf(int kind) {
    return kind == PenPlayer2 && gTwoSeats ? gGuestInput : gInput;
}

// The keys of a key-driven pen; null for a pen the keys do not move.
const PenKeys* KeysOf(int kind) {
    switch (kind) {
    case PenMenu:
        return &kArrowKeys;
    case PenPlayer1:
        return gPlayer1OnKeys ? &gPenKeys[0] : nullptr;
    case PenPlayer2:
        return &gPenKeys[1];
    default:
        return nullptr;
    }
}

void KeepInBounds(Pen& pen) {
    pen.x = std::min(std::max(pen.x, pen.bounds.left), pen.bounds.right);
    pen.y = std::min(std::max(pen.y, pen.bounds.top), pen.bounds.bottom);
}

// Left wins over right and up over down.
void MoveByKeys(Pen& pen, const PenKeys& keys, const InputState& input) {
    if (input.KeyDown(keys.left))
        pen.x -= gPenKeyStep;
    else if (input.KeyDown(keys.right))
        pen.x += gPenKeyStep;
    if (input.KeyDown(keys.up))
        pen.y -= gPenKeyStep;
    else if (input.KeyDown(keys.down))
        pen.y += gPenKeyStep;
}

// A click key clicks on the first frame it is seen down after a pen that uses it saw it up. Pens that
// share a key share its flag, as the menu pen and player 2 share SPACE's; the other machine's keys have
// flags of their own.
int KeyClick(int dik, const InputState& input) {
    int& armed = &input == &gGuestInput ? gGuestKeyArmed[dik & (kKeyCount - 1)]
                 : dik == DIK_SPACE     ? gSpaceArmed
                                        : gKeyArmed[dik & (kKeyCount - 1)];
    if (!input.KeyDown(dik)) {
        armed = 1;
        return 0;
    }
    if (armed == 1) {
        armed = 0;
        return 1;
    }
    return 0;
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
    const InputState& input = InputOf(pen.kind);
    if (MouseDriven(pen.kind)) {
        pen.x += input.mouseDX;
        pen.y += input.mouseDY;
    }
    const PenKeys* keys = KeysOf(pen.kind);
    if (keys) MoveByKeys(pen, *keys, input);
    KeepInBounds(pen);

    if (MouseDriven(pen.kind) && input.mouseLeft != 0 && input.buttonsWereUp == 1) return 1;
    return keys ? KeyClick(keys->click, input) : 0;
}

void PenFollowMouse(Pen& pen) {
    pen.x += gInput.mouseDX;
    pen.y += gInput.mouseDY;
    KeepInBounds(pen);
}

int PointInRect(const Rect& rect, const Point& point) {
    return rect.left <= point.x && point.x <= rect.right && rect.top <= point.y && point.y <= rect.bottom ? 1
                                                                                                          : 0;
}
