#pragma once
#include <cstdint>

#include "game/control/Scene.h"
#include "game/gfx/Surface.h"
#include "game/texts/TextId.h"

// The intro: a background with two animated speakers and their dialogue, four lines at a time, fading in and
// out. It never ends by itself; after the last page it repeats the closing page until the player leaves.
class CIntroScene : public CScene {
  public:
    static constexpr int kPages = 28; // two per group of four lines: fading in, then out
    static constexpr int kLinesPerGroup = 4;

    int fadeCounter = 0;
    int page = 0;
    uint32_t textColor = 0;
    Surface background, speaker1, speaker2;

    int Message(int msg, int a, int b) override;

  private:
    void Enter();
    void Load();
    void Draw();
    void Update();
};
