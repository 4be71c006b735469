#pragma once
#include "game/control/Scene.h"
#include "game/gfx/Rect.h"
#include "game/io/Dik.h"

enum PenKind { PenMenu = 0, PenPlayer1 = 1, PenPlayer2 = 2 };

// The keys that move a pen and click with it.
struct PenKeys {
    int left, right, up, down, click;
};
constexpr PenKeys kArrowKeys{DIK_LEFT, DIK_RIGHT, DIK_UP, DIK_DOWN,
                             DIK_SPACE};                                // the menus; player 2's at first
constexpr PenKeys kPlayer1StartKeys{DIK_A, DIK_D, DIK_W, DIK_S, DIK_E}; // player 1's when on keys
constexpr int kDefaultPenKeyStep = 8;

// The pointer that menus and players move. The tip, tested against menus and pictures, is (x+23, y+18).
class Pen : public CScene {
  public:
    static constexpr int kTipX = 23;
    static constexpr int kTipY = 18;

    int lives = 0;
    int animStep = 0;
    int kind = PenMenu;
    int freeze = 0;
    int x = 0;
    int y = 0;
    Rect bounds;

    Point Tip() const { return {x + kTipX, y + kTipY}; }
    // Lives, freeze, the found animation and drawing belong to the play stage (game/play/PenScene.cpp).
    int Message(int msg, int a, int b) override;
};

// kind -1 keeps the pen's kind. Sets bounds and start position, clears animation and freeze.
void PenReset(Pen& pen, int kind);
// Bonus-stage bounds and start position, for the player pens.
void PenResetBonus(Pen& pen);
// Moves the pen by this frame's snapshot; 1 when this frame is a click of this pen.
int PenMove(Pen& pen);
// Moves the pen by the mouse alone, within its bounds (the options screen, whose keys choose and change).
void PenFollowMouse(Pen& pen);
// Inclusive on all four edges.
int PointInRect(const Rect& rect, const Point& point);
