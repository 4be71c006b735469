#pragma once
#include <cstdint>

#include "game/control/Scene.h"
#include "game/gfx/Surface.h"
#include "game/screens/TvAnimation.h"
#include "game/texts/TextId.h"

// The ending: a room with an animated television and the credits, one line at a time at random places,
// fading in and out. It loops until the player leaves.
class CEndingScene : public CScene {
  public:
    static constexpr int kSteps = 2 * kCreditLines; // each line fades in, then out

    int fadeCounter = 0;
    int step = 0;
    int textX = 0, textY = 0;
    uint32_t textColor = 0;
    TvAnimation tv;
    Surface background, tvStrips[2];

    int Message(int msg, int a, int b) override;

  private:
    void Enter();
    void Load();
    void Draw();
    void Update();
    void PlaceText();
};
