#pragma once
#include "game/control/Scene.h"
#include "game/gfx/Rect.h"
#include "game/gfx/Surface.h"

// The title menu: six items in a column; the item under the menu pen's tip is highlighted and holding the
// left button or SPACE chooses it.
class CTitleScene : public CScene {
  public:
    static constexpr int kItems = 6;
    static constexpr int kNoItem = -1;

    Rect items[kItems] = {};
    int highlighted = kNoItem;
    Surface background, highlights, lastHighlight;

    int Message(int msg, int a, int b) override;

  private:
    void Load();
    void Draw();
    int Update();
};
