#pragma once
#include "game/control/Scene.h"
#include "game/gfx/Rect.h"
#include "game/gfx/SpriteRegion.h"
#include "game/gfx/Surface.h"
#include "game/screens/PackInfo.h"

// The data-pack selection screen: a preview of the pack's first picture, its info, and seven buttons
// (first, previous, next, last, one player, two players, back). Where pairs are made (gPairSupply), two
// entries follow the packs: today's pack and endless play, each with a card of its own as the preview.
class CPackSelectScene : public CScene {
  public:
    static constexpr int kButtons = 7;
    static constexpr int kNone = -1;
    static constexpr int kNoMadeEntry = -1;
    static constexpr int kMadeEntries = 2; // today's pack, endless play
    enum Button { First = 0, Previous = 1, Next = 2, Last = 3, OnePlayer = 4, TwoPlayers = 5, Back = 6 };

    int selectedPack = 0;
    int packCount = 0;
    int highlight = kNone;
    int lastHovered = kNone;
    CPackInfo info;
    Rect buttons[kButtons] = {};
    SpriteRegion sprites[kButtons];
    Surface background, star, arrows, wideButtons;
    Surface madeCards[kMadeEntries];
    int64_t madeDay = 0; // the UTC day of today's pack, read when a made entry is selected

    // The packs, then the made entries where pairs are made.
    int EntryCount() const;
    // The MadeStream of the selected entry, or kNoMadeEntry for a pack.
    int SelectedMade() const;
    // The UTC day of the clock the program passed in.
    static int64_t Today();

    // Loads the selected pack's picture 0 with its map as the preview and reads its info file.
    void RefreshPackInfo();
    int Message(int msg, int a, int b) override;

  private:
    void RefreshMadeInfo(int stream);
    void Load();
    void Draw();
    int Update();
    void Choose(int button);
};
