#pragma once
#include "game/control/Scene.h"
#include "game/gfx/Surface.h"
#include "game/settings/Settings.h"
#include "game/texts/TextId.h"

// The options screen: the settings in two columns and a back button. The mouse moves the menu pen and
// clicks a row (a click on a value's "<" lowers it); the arrow keys choose a row and change its value,
// Enter or SPACE changes it or starts rebinding a key, Escape leaves. A key is rebound by the next key
// pressed: Escape cancels, a key the game keeps or the other player uses is refused with a message, one
// of the same player's other keys trades places. Every change is in effect at once.
class COptionsScene : public CScene {
  public:
    static constexpr int kStay = -1;
    static constexpr int kLeave = 0;
    static constexpr int kNoItem = -1;
    static constexpr int kMessageFrames = 60; // about three seconds

    int selected = 0;            // the row the keys act on; the pen's row when the mouse moves
    int capturing = -1;          // the key setting waiting for its new key, -1 for none
    int leaving = 0;             // the back button or Escape was chosen: leave once every choosing key is up
    TextId message = kTextCount; // shown under the left column while messageFrames runs
    int messageFrames = 0;
    Surface background, highlights, backLit;

    int Message(int msg, int a, int b) override;

  private:
    void Load();
    void Draw();
    int Update();
    void UpdateMouse();
    void UpdateKeys();
    void UpdateCapture();
    void Choose(int item, int step);
    void Step(SettingId id, int step);
    void Bind(int dik);
    void Say(TextId text);
    void DrawValue(SettingId id);
};

// The item whose rectangle holds `point`, or COptionsScene::kNoItem.
int OptionsItemAt(int x, int y);
