#pragma once
#include <string>

#include "game/control/Scene.h"
#include "game/gfx/Rect.h"
#include "game/gfx/Surface.h"

// The title menu: six items in a column; the item under the menu pen's tip is highlighted and holding the
// left button or SPACE chooses it.
class CTitleScene : public CScene {
  public:
    static constexpr int kItems = 6;
    static constexpr int kNoItem = -1;

    static constexpr int kNoticeFrames = 400; // about ten seconds

    Rect items[kItems] = {};
    int highlighted = kNoItem;
    Surface background, highlights, lastHighlight;
    std::string notice; // code page 949; shown along the bottom while noticeFrames last
    int noticeFrames = 0;

    int Message(int msg, int a, int b) override;
    // A line the title shows for a while without stopping the game (why a network game ended).
    void ShowNotice(std::string cp949);

  private:
    void Load();
    void Draw();
    int Update();
};
