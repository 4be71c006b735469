#include <gtest/gtest.h>

#include "game/control/Globals.h"
#include "game/gfx/FadeTables.h"
#include "game/gfx/ShowError.h"
#include "game/io/Dik.h"
#include "game/io/Globals.h"
#include "game/io/SoundDevice.h"
#include "game/io/Wave.h"
#include "game/screens/Globals.h"
#include "tests/gfx/DisplayFixture.h"
#include "tests/sound/FakeAudioDevice.h"
#include "tests/sound/WavBytes.h"
#include "tests/support/MessageLog.h"

namespace {
constexpr uint16_t kBackground = 1, kSelect6 = 50;
uint16_t StripColour(int cell) {
    return uint16_t(10 + cell);
}

// The title with its item rectangles, a fake sound device whose first channel is "MouseOver.wav" and second
// "MouseClick.wav", and the menu pen.
class TitleTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        SetErrorSink(&log); // the pictures are absent from the empty archives; the test draws its own
        gTitleScene.Message(MsgLoad, 0, 0);
        gTitleScene.Message(MsgInit, 0, 0);
        ASSERT_EQ(DSCreate(&device), 1);
        Wave wave;
        ASSERT_EQ(wave.LoadBytes(RiffWave({{"fmt ", FmtBody(1, 1, 11025, 8)}, {"data", {0x80, 0x80}}}), 0),
                  kWaveOk);
        ASSERT_EQ(gEffects[EffectMouseOver].CreateFromWave(wave), 1);
        ASSERT_EQ(gEffects[EffectMouseClick].CreateFromWave(wave), 1);
        gInput = InputState{};
    }
    void TearDown() override {
        gEffects[EffectMouseOver].Release();
        gEffects[EffectMouseClick].Release();
        ReleaseSound();
        gTitleScene.background = {};
        gTitleScene.highlights = {};
        gTitleScene.lastHighlight = {};
        gInput = InputState{};
        SetErrorSink(nullptr);
        DisplayTest::TearDown();
    }
    int OverPlays() const { return device.effects[0].plays; }
    int ClickPlays() const { return device.effects[1].plays; }
    int UpdateWithTipAt(int x, int y) {
        gMenuPen.x = x - Pen::kTipX;
        gMenuPen.y = y - Pen::kTipY;
        return gTitleScene.Message(MsgUpdate, 0, 0);
    }

    MessageLog log;
    FakeAudioDevice device;
};

struct HitCase {
    int x, y;
    int highlighted;
};
class TitleHit : public TitleTest, public ::testing::WithParamInterface<HitCase> {};
} // namespace

TEST_P(TitleHit, TipHighlightsTheItemUnderIt) {
    EXPECT_EQ(UpdateWithTipAt(GetParam().x, GetParam().y), CTitleScene::kNoItem);
    EXPECT_EQ(gTitleScene.highlighted, GetParam().highlighted);
}

// All four edges count. Items 3 and 4 are 4 pixels apart (373, 377), items 4 and 5 six (407, 413); item 5
// is 22 pixels high.
INSTANTIATE_TEST_SUITE_P(Points, TitleHit,
                         ::testing::Values(HitCase{300, 268, 0}, HitCase{300, 270, -1}, HitCase{300, 238, 0},
                                           HitCase{300, 237, -1}, HitCase{246, 250, 0}, HitCase{245, 250, -1},
                                           HitCase{409, 250, 0}, HitCase{410, 250, -1}, HitCase{300, 373, 3},
                                           HitCase{300, 374, -1}, HitCase{300, 376, -1}, HitCase{300, 377, 4},
                                           HitCase{300, 407, 4}, HitCase{300, 408, -1}, HitCase{300, 412, -1},
                                           HitCase{300, 413, 5}, HitCase{300, 435, 5},
                                           HitCase{300, 436, -1}));

TEST_F(TitleTest, MouseOverPlaysOncePerNewItemAndAgainAfterLeaving) {
    UpdateWithTipAt(300, 320); // item 2
    UpdateWithTipAt(300, 330);
    EXPECT_EQ(OverPlays(), 1);
    UpdateWithTipAt(300, 350); // straight onto item 3
    EXPECT_EQ(OverPlays(), 2);
    EXPECT_EQ(gTitleScene.highlighted, 3);
    UpdateWithTipAt(300, 375); // the gap: silently nothing
    EXPECT_EQ(gTitleScene.highlighted, CTitleScene::kNoItem);
    UpdateWithTipAt(300, 350); // back onto item 3
    EXPECT_EQ(OverPlays(), 3);
    EXPECT_EQ(ClickPlays(), 0);
}

TEST_F(TitleTest, HoldingSpaceWhileMovingOntoAnItemChoosesItAtOnce) {
    UpdateWithTipAt(300, 320);
    gInput.keys[DIK_SPACE] = 1;
    EXPECT_EQ(UpdateWithTipAt(300, 350), 3);
    EXPECT_EQ(OverPlays(), 2);
    EXPECT_EQ(ClickPlays(), 1);
    EXPECT_EQ(UpdateWithTipAt(300, 350), 3); // a level test: chosen again while held
    EXPECT_EQ(UpdateWithTipAt(300, 375), CTitleScene::kNoItem);
}

TEST_F(TitleTest, LeftButtonChoosesToo) {
    gInput.mouseLeft = 1;
    EXPECT_EQ(UpdateWithTipAt(300, 420), 5);
    EXPECT_EQ(ClickPlays(), 1);
}

TEST_F(TitleTest, ComingBackShowsTheLastChoiceDuringTheTransition) {
    gTitleScene.background = MakeSprite(640, 480, 0, 0, [](int, int) { return kBackground; });
    gTitleScene.highlights =
        MakeSprite(5 * 163, 35, 163, 35, [](int x, int) { return StripColour(x / 163); });
    gTitleScene.lastHighlight = MakeSprite(163, 22, 0, 0, [](int, int) { return kSelect6; });
    gInput.mouseLeft = 1;
    ASSERT_EQ(UpdateWithTipAt(300, 420), 5); // the pack-selection choice
    gInput = InputState{};
    gMenuPen.x = 0; // far from every item
    gMenuPen.y = 0;
    presenter.frames.clear();
    gController.GoToTitle();
    ASSERT_FALSE(presenter.frames.empty()); // the cross-fade was shown
    ASSERT_TRUE(gFadeTables.workB);
    EXPECT_EQ(gFadeTables.workB->At(246, 413), kSelect6); // the picture it fades to
    EXPECT_EQ(gController.mode, ModeTitle);
    gTitleScene.Message(MsgUpdate, 0, 0);
    EXPECT_EQ(gTitleScene.highlighted, CTitleScene::kNoItem);
}

TEST_F(TitleTest, HighlightStripCellIsDrawnAtTheItem) {
    gTitleScene.background = MakeSprite(640, 480, 0, 0, [](int, int) { return kBackground; });
    gTitleScene.highlights =
        MakeSprite(5 * 163, 35, 163, 35, [](int x, int) { return StripColour(x / 163); });
    UpdateWithTipAt(300, 390); // item 4
    gTitleScene.Message(MsgDraw, 0, 0);
    EXPECT_EQ(Back().At(246, 377), StripColour(4));
    EXPECT_EQ(Back().At(245, 377), kBackground);
}
