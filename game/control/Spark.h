#pragma once
#include <cstdint>

// One sparkle of a life-loss burst: a 3x3 block for ten frames, then an X, then a dot, rising and falling.
// A plain record so that the list can move sparks byte for byte.
struct CSpark {
    int index = -1; // position in the list, -1 while not in one
    int x = 0, y = 0;
    int dx = 0, dy = 0;
    int life = 0;
    uint16_t colour = 0;

    static constexpr int kLife = 30;
    static constexpr int kLowestY = 475; // a spark below this line is gone

    void Init(int px, int py, uint16_t c);
    int Message(int msg); // MsgDraw or MsgUpdate
    int IsAlive() const { return y <= kLowestY && life >= 0 ? 1 : 0; }

  private:
    void Update();
    void Draw() const;
};
