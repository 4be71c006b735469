#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "game/control/Globals.h"
#include "game/gfx/PixelConversion.h"
#include "game/io/Dik.h"
#include "game/io/Globals.h"
#include "game/play/Globals.h"
#include "game/play/MadeGame.h"
#include "game/play/Stage.h"
#include "game/screens/Globals.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"
#include "platform/Clock.h"
#include "platform/Cp949.h"
#include "tests/gfx/DisplayFixture.h"
#include "tests/screens/ScreenFixture.h"
#include "tests/sound/CapturingBox.h"

namespace {
constexpr int64_t kDay = 20796; // Wednesday 2026-12-09

// A maker whose pairs are ready when the test says so: each a picture of one colour per index.
class FakeSupply : public PairSupply {
  public:
    void Prepare(MadeStream stream, int64_t day, int first) override {
        prepared.push_back({stream, day, first});
    }
    bool Take(const MadePairKey& key, MadePair& into) override {
        if (!allReady && !ready.count(key.index)) return false;
        for (size_t i = 0; i < into.rgb.size(); ++i) into.rgb[i] = uint8_t(key.index * 10 + i % 3);
        for (int k = 0; k < kMapRecords; ++k) into.map[k] = {k * 30, 40, k * 30 + 20, 60 + key.index};
        into.key = key;
        taken.push_back(key);
        return true;
    }
    bool Failed(const MadePairKey&) const override { return failed; }
    int TodayStars(int64_t) const override { return 4; }

    std::vector<MadePairKey> prepared, taken;
    std::map<int, bool> ready;
    bool allReady = false;
    bool failed = false;
};

class MadeGameTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_TRUE(DDCreate(presenter, kScreenWidth, kScreenHeight, kScreenDepth));
        BuildFadeTables();
        gPairSupply = &supply;
        gShell.clock = &clock;
        gInput = InputState{};
        gController.made = MadeGameState{};
        gController.packCount = 2;
        gController.stageTotal = 20;
        gController.mode = ModePackSelect;
        gRankBoard.fileName = kRankFileName;
        gStageBanner.state = CStageBanner::Hidden;
        PenReset(gPlayer1Pen, PenPlayer1);
        PenReset(gPlayer2Pen, PenPlayer2);
    }
    void TearDown() override {
        gPairSupply = nullptr;
        gShell.clock = nullptr;
        gController.made = MadeGameState{};
        gController.packCount = 0;
        gController.stagePicture = {};
        gController.singlePack = 0;
        gRankBoard.fileName = kRankFileName;
        DDDestroy();
        gFadeTables = FadeTables{};
        ScreenTest::TearDown();
    }
    // One frame of the controller with no key down.
    void Frame() {
        gInput = InputState{};
        gController.Update();
    }

    FakeSupply supply;
    VirtualClock clock{uint32_t(kDay * 86400 + 3600)};
    RecordingPresenter presenter;
    CapturingBox boxes;
};

struct StartCase {
    const char* name;
    MadeStream stream;
    StageEntry secondEntry;
    int total;
    int single;
    const char* rankFile;
};

class MadeGameStart : public MadeGameTest, public ::testing::WithParamInterface<StartCase> {};

// A stage whose pair is not made shows the loading picture (counted once), and starts in the first frame
// that finds it made, with the pair's picture and map.
TEST_P(MadeGameStart, WaitsOnTheLoadingPictureUntilThePairComesThenPlaysIt) {
    const StartCase& c = GetParam();
    StartMadeGame(gController, c.stream, kDay, 0);
    ASSERT_EQ(supply.prepared.size(), 1u);
    EXPECT_EQ(supply.prepared[0], (MadePairKey{c.stream, kDay, 0}));
    EXPECT_EQ(gController.mode, ModeLoading);
    EXPECT_EQ(gController.made.loadingWaits, 1);
    EXPECT_EQ(gController.stageNumber, 0);
    EXPECT_EQ(gController.stageOrder[1], c.secondEntry);
    EXPECT_EQ(gController.stageTotal, c.total);
    EXPECT_EQ(gController.singlePack, c.single);
    EXPECT_EQ(gRankBoard.fileName, c.rankFile);
    Frame();
    Frame();
    EXPECT_EQ(gController.mode, ModeLoading);
    EXPECT_EQ(gController.made.loadingWaits, 1) << "one wait however many frames it lasts";

    supply.ready[0] = true;
    Frame();
    EXPECT_EQ(gController.mode, ModePlay);
    EXPECT_EQ(gController.stageNumber, 1);
    ASSERT_EQ(gController.stagePicture.width, MadePair::kWidth);
    EXPECT_EQ(gController.stagePicture.surface->At(5, 5), PackColor(0, 1, 2));
    EXPECT_EQ(gDifferenceMap.rects[2], (Rect{60, 40, 80, 60}));
    EXPECT_EQ(gDifferenceMap.Remaining(), CDifferenceMap::kDifferences);

    // The next pair is ready in time: no wait, and the stage picture keeps its buffer.
    const uint16_t* buffer = gController.stagePicture.surface->Data();
    supply.ready[1] = true;
    StartNextStage();
    EXPECT_EQ(gController.mode, ModePlay);
    EXPECT_EQ(gController.made.loadingWaits, 1);
    EXPECT_EQ(gController.stagePicture.surface->Data(), buffer);
    EXPECT_EQ(supply.taken.back(), (MadePairKey{c.stream, kDay, 1}));
    EXPECT_EQ(gDifferenceMap.rects[0].bottom, 61);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, MadeGameStart,
    ::testing::Values(
        StartCase{"Today", MadeStream::Today, {kTodayEntryPack, 1}, 20, 1, "zor-2026-12-09.rnk"},
        StartCase{"Endless",
                  MadeStream::Endless,
                  {kEndlessEntryPack, 0},
                  CGameController::kOrderEntries,
                  0,
                  "zor-endless.rnk"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MadeGameTest, EscapeFromEndlessPlayGoesBackToTheSelectionWithThePacksRankingAndTotal) {
    supply.allReady = true;
    StartMadeGame(gController, MadeStream::Endless, kDay, CGameController::kStartLives);
    ASSERT_EQ(gController.mode, ModePlay);
    EXPECT_EQ(gPlayer2Pen.lives, CGameController::kStartLives);
    gInput = InputState{};
    gInput.keys[DIK_ESCAPE] = 0x80;
    gController.Update();
    EXPECT_EQ(gController.mode, ModePackSelect);
    EXPECT_EQ(gController.made.stream, MadeGameState::kNone);
    EXPECT_EQ(gRankBoard.fileName, kRankFileName);
    EXPECT_EQ(gController.stageTotal, 2 * CGameController::kPicturesPerPack);
}

TEST_F(MadeGameTest, EndlessStagesTakeTheirOwnPairOneAfterAnother) {
    supply.allReady = true;
    StartMadeGame(gController, MadeStream::Endless, kDay, 0);
    for (int i = 0; i < 6; ++i) StartNextStage();
    ASSERT_EQ(supply.taken.size(), 7u);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(supply.taken[size_t(i)].index, i);
    EXPECT_EQ(gController.stageNumber, 7);
}

TEST_F(MadeGameTest, APairThatCannotBeMadeEndsTheGameOnTheSelectionScreenWithAMessage) {
    StartMadeGame(gController, MadeStream::Today, kDay, 0);
    supply.failed = true;
    Frame();
    EXPECT_EQ(gController.mode, ModePackSelect);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].find("today 2026-12-09 #1"), std::string::npos) << boxes.texts[0];
}

struct EntryCase {
    const char* name;
    int button; // pressed from the first pack
    int presses;
    int made; // the entry then selected
    const char* fileNameUtf8;
    uint8_t stars;
};

class MadeEntries : public MadeGameTest, public ::testing::WithParamInterface<EntryCase> {};

// Where pairs are made, today's pack and endless play follow the packs; showing one starts its making.
TEST_P(MadeEntries, FollowThePacksWithTheirTextsAndStars) {
    const EntryCase& c = GetParam();
    gPackSelectScene = CPackSelectScene{};
    gPackSelectScene.Message(MsgLoad, 0, 0); // no archive is open: only the buttons matter
    gPackSelectScene.packCount = 0;          // no pack opened: the entries alone
    gPackSelectScene.selectedPack = 0;
    EXPECT_EQ(gPackSelectScene.EntryCount(), CPackSelectScene::kMadeEntries);
    for (int i = 0; i < c.presses; ++i) {
        const Rect r = gPackSelectScene.buttons[c.button];
        gMenuPen.x = r.left + 1 - Pen::kTipX;
        gMenuPen.y = r.top + 1 - Pen::kTipY;
        gInput = InputState{};
        gInput.mouseLeft = 1;
        EXPECT_EQ(gPackSelectScene.Message(MsgUpdate, 0, 0), c.button);
    }
    EXPECT_EQ(gPackSelectScene.SelectedMade(), c.made);
    EXPECT_EQ(gPackSelectScene.madeDay, kDay);
    EXPECT_STREQ(gPackSelectScene.info.fileName.data(), Utf8ToCp949(c.fileNameUtf8).c_str());
    EXPECT_EQ(gPackSelectScene.info.stars, c.stars);
    ASSERT_FALSE(supply.prepared.empty());
    EXPECT_EQ(supply.prepared.back(), (MadePairKey{MadeStream(c.made), kDay, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    Screen, MadeEntries,
    ::testing::Values(EntryCase{"FirstIsToday", CPackSelectScene::First, 1, 0, "오늘의 팩 2026-12-09", 4},
                      EntryCase{"LastIsEndless", CPackSelectScene::Last, 1, 1, "끝없이 하기", 1},
                      EntryCase{"NextStopsAtEndless", CPackSelectScene::Next, 3, 1, "끝없이 하기", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MadeEntriesWithoutMaker, AreNotThere) {
    gPairSupply = nullptr;
    CPackSelectScene scene;
    scene.packCount = 3;
    scene.selectedPack = 3;
    EXPECT_EQ(scene.EntryCount(), 3);
    EXPECT_EQ(scene.SelectedMade(), CPackSelectScene::kNoMadeEntry);
}
} // namespace
