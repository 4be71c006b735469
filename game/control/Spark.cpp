#include "game/control/Spark.h"

#include "game/control/Random.h"
#include "game/control/Scene.h"
#include "game/gfx/Globals.h"

void CSpark::Init(int px, int py, uint16_t c) {
    x = px;
    y = py;
    dx = 1 - GameRand() % 3;
    dy = -(GameRand() % 5) - 3;
    life = kLife;
    colour = c;
}

int CSpark::Message(int msg) {
    if (msg == MsgUpdate) Update();
    if (msg == MsgDraw) Draw();
    return 1;
}

void CSpark::Update() {
    x += dx;
    y += dy;
    if (life % 3 == 0) dy += 1;
    life -= 1;
}

namespace {
void PutPixel(int x, int y, uint16_t colour) {
    if (x < 0 || y < 0 || x >= gDisplay.screenWidth || y >= gDisplay.screenHeight) return;
    if (!gDisplay.lastLockBits) return;
    gDisplay.lastLockBits[y * gDisplay.lastLockPitch + x] = colour;
}
} // namespace

void CSpark::Draw() const {
    PutPixel(x, y, colour);
    if (life > 10) {
        PutPixel(x - 1, y - 1, colour);
        PutPixel(x - 1, y + 1, colour);
        PutPixel(x + 1, y - 1, colour);
        PutPixel(x + 1, y + 1, colour);
    }
    if (life > 20) {
        PutPixel(x, y - 1, colour);
        PutPixel(x, y + 1, colour);
        PutPixel(x - 1, y, colour);
        PutPixel(x + 1, y, colour);
    }
}
