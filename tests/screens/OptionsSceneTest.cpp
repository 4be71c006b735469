// The options screen's rules: rows chosen by the keys or the pen, values changed at once, keys rebound.
#include <cstring>
#include <vector>

#include "game/control/Globals.h"
#include "game/io/Dik.h"
#include "game/play/Globals.h"
#include "game/screens/Globals.h"
#include "game/screens/OptionsLayout.h"
#include "game/settings/Globals.h"
#include "game/shell/ApplySettings.h"
#include "tests/screens/ScreenFixture.h"

namespace {
using namespace OptionsLayout;
constexpr int kJ = 0x24;

// One frame of input: keys held, and the pen's tip put on a row (its label, or `intoBox` pixels into its
// value box) with the left button down or up.
struct Step {
    std::vector<int> keys;
    int row = -1;
    bool button = false;
    int intoBox = -1;
};

struct OptionsCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::pair<SettingId, int>> expected; // every other setting keeps its default
    int capturing = -1;
    TextId message = kTextCount;
};

class OptionsSceneTest : public ScreenTest, public ::testing::WithParamInterface<OptionsCase> {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        gSettings = Settings{};
        gOptionsScene.selected = 0;
        gOptionsScene.Message(MsgEnter, 0, 0);
        gInput = InputState{};
    }
    void TearDown() override {
        gSettings = Settings{};
        gSettingsStore = SettingsStore{};
        for (SettingId id : {SettingMusicVolume, SettingEffectsVolume, SettingPenSpeed, SettingRelaxedPace,
                             SettingPlayer1Keys, SettingPlayer2Click})
            ApplySetting(id);
        gInput = InputState{};
        ScreenTest::TearDown();
    }
    // The frame's input as a poll leaves it, then the screen's update.
    int Run(const Step& step) {
        std::memcpy(gInput.previousKeys, gInput.keys, sizeof gInput.keys);
        std::memset(gInput.keys, 0, sizeof gInput.keys);
        for (int dik : step.keys) gInput.keys[dik] = 0x80;
        gInput.buttonsWereUp = gInput.mouseLeft == 0 ? 1 : 0;
        gInput.mouseLeft = step.button ? 0x80 : 0;
        gInput.mouseDX = gInput.mouseDY = 0;
        if (step.row >= 0) {
            const Rect r = step.row == kBackItem ? kBack : RowRect(step.row);
            const int x = step.intoBox >= 0 ? r.left + kLabelWidth + step.intoBox : r.left + 20;
            gMenuPen.x = x - Pen::kTipX;
            gMenuPen.y = r.top + 10 - Pen::kTipY;
            gInput.mouseDX = 1; // the pen moved onto it
        }
        return gOptionsScene.Message(MsgUpdate, 0, 0);
    }
};

std::string Name(const ::testing::TestParamInfo<OptionsCase>& info) {
    return info.param.name;
}

const Step kNothing{};
Step Press(int dik) {
    return Step{{dik}};
}
Step ClickRow(int row, int intoBox = -1) {
    return Step{{}, row, true, intoBox};
}
} // namespace

TEST_P(OptionsSceneTest, ChangesTheSettingsAtOnce) {
    for (const Step& step : GetParam().steps) EXPECT_EQ(Run(step), COptionsScene::kStay);
    Settings expected;
    for (const auto& [id, value] : GetParam().expected) expected[id] = value;
    EXPECT_EQ(gSettings, expected);
    EXPECT_EQ(gOptionsScene.capturing, GetParam().capturing);
    EXPECT_EQ(gOptionsScene.message, GetParam().message);
    for (const auto& [id, value] : GetParam().expected) EXPECT_TRUE(gSettingsStore.changed[id]) << id;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, OptionsSceneTest,
    ::testing::Values(
        OptionsCase{"KeysChooseARowAndTurnItOver",
                    {Press(DIK_DOWN), kNothing, Press(DIK_DOWN), kNothing, Press(DIK_RIGHT)},
                    {{SettingIntegerScale, 1}}},
        OptionsCase{"AVolumeGoesRound", {ClickRow(SettingMusicVolume)}, {{SettingMusicVolume, 0}}},
        OptionsCase{"TheLowerArrowLowers", {ClickRow(SettingEffectsVolume, 4)}, {{SettingEffectsVolume, 9}}},
        OptionsCase{"AHeldKeyStepsOnce",
                    {Press(DIK_DOWN), kNothing, Press(DIK_DOWN), kNothing, Press(DIK_DOWN), kNothing,
                     Press(DIK_LEFT), Press(DIK_LEFT), Press(DIK_LEFT)},
                    {{SettingMusicVolume, 9}}},
        OptionsCase{"UpFromTheTopIsTheBackButtonWhereLeftDoesNothing",
                    {Press(DIK_UP), kNothing, Press(DIK_LEFT)},
                    {}},
        OptionsCase{"AClickStartsRebindingAndEnterIsTheNewKey",
                    {ClickRow(SettingPlayer2Click), kNothing, Press(DIK_RETURN)},
                    {{SettingPlayer2Click, DIK_RETURN}}},
        OptionsCase{"TheOtherPlayersKeyIsRefused",
                    {ClickRow(SettingPlayer2Click), kNothing, Press(DIK_A)},
                    {},
                    SettingPlayer2Click,
                    TextOptionKeyTaken},
        OptionsCase{"AKeyTheGameKeepsIsRefused",
                    {ClickRow(SettingPlayer1Up), kNothing, Press(DIK_P)},
                    {},
                    SettingPlayer1Up,
                    TextOptionKeyReserved},
        OptionsCase{"EscapeCancelsRebinding",
                    {ClickRow(SettingPlayer2Click), kNothing, Press(DIK_A), kNothing, Press(DIK_ESCAPE)},
                    {},
                    -1,
                    kTextCount},
        OptionsCase{"TheSamePlayersKeysTradePlaces",
                    {ClickRow(SettingPlayer2Click), kNothing, Press(DIK_LEFT)},
                    {{SettingPlayer2Click, DIK_LEFT}, {SettingPlayer2Left, DIK_SPACE}}},
        OptionsCase{"ARefusalCanBeFollowedByAGoodKey",
                    {ClickRow(SettingPlayer2Left), kNothing, Press(DIK_A), kNothing, Press(kJ)},
                    {{SettingPlayer2Left, kJ}}}),
    Name);

TEST_F(OptionsSceneTest, ChangesReachTheSoundAndThePens) {
    Run(ClickRow(SettingEffectsVolume, 4));
    Run(kNothing);
    Run(ClickRow(SettingMusicVolume, 4));
    Run(kNothing);
    Run(ClickRow(SettingPlayer1Keys));
    Run(kNothing);
    Run(ClickRow(SettingPenSpeed));
    Run(kNothing);
    Run(ClickRow(SettingRelaxedPace));
    for (const auto& effect : device.effects) EXPECT_FLOAT_EQ(effect.volume, 0.9f);
    EXPECT_FLOAT_EQ(device.musicVolume, 0.9f);
    EXPECT_EQ(gPlayer1OnKeys, 1);
    EXPECT_EQ(gPenKeyStep, 9);
    EXPECT_EQ(gPace.relaxed, 1);
}

// What left the screen must be let go first, so that it does nothing on the screen underneath.
TEST_F(OptionsSceneTest, LeavesOnceTheKeyOrButtonThatLeftIsUp) {
    EXPECT_EQ(Run(Press(DIK_ESCAPE)), COptionsScene::kStay);
    EXPECT_EQ(Run(Press(DIK_ESCAPE)), COptionsScene::kStay);
    EXPECT_EQ(Run(kNothing), COptionsScene::kLeave);
    EXPECT_EQ(Run(ClickRow(kBackItem)), COptionsScene::kStay);
    EXPECT_EQ(Run(Step{{}, kBackItem, true}), COptionsScene::kStay);
    EXPECT_EQ(Run(kNothing), COptionsScene::kLeave);
}
