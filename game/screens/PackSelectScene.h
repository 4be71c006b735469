#pragma once
#include "game/control/Scene.h"
#include "game/gfx/Rect.h"
#include "game/gfx/SpriteRegion.h"
#include "game/gfx/Surface.h"
#include "game/screens/PackInfo.h"

// The data-pack selection screen: a preview of the pack's first picture, its info, and seven buttons
// (first, previous, next, last, one player, two players, back).
class CPackSelectScene : public CScene {
  public:
    static constexpr int kButtons = 7;
    static constexpr int kNone = -1;
    enum Button { First = 0, Previous = 1, Next = 2, Last = 3, OnePlayer = 4, TwoPlayers = 5, Back = 6 };

    int selectedPack = 0;
    int packCount = 0;
    int highlight = kNone;
    int lastHovered = kNone;
    CPackInfo info;
    Rect buttons[kButtons] = {};
    SpriteRegion sprites[kButtons];
    Surface background, star, arrows, wideButtons;

    // Loads the selected pack's picture 0 with its map as the preview and reads its info file.
    void RefreshPackInfo();
    int Message(int msg, int a, int b) override;

  private:
    void Load();
    void Draw();
    int Update();
    void Choose(int button);
};
