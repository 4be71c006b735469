#pragma once
#include "game/control/Scene.h"
#include "game/gfx/Surface.h"

// The logo shown once at start-up: four small items slide together over a background; the update answers 0
// when it is done.
class CLogoScene : public CScene {
  public:
    static constexpr int kFinalStep = 100; // the items touch; the pause screen shows this picture
    static constexpr int kItems = 4;
    static constexpr int kItemsY = 262;

    int counter = 0; // never reset by a message: the logo is shown once
    Surface background, items;

    // Where item i stands at `step`: 112 pixels apart at step 0, touching at step 100.
    static int ItemX(int step, int i);
    int Message(int msg, int a, int b) override;

  private:
    void Load();
    void Draw();
    int Update();
};
