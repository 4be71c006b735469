#include "game/control/GameController.h"

#include "game/control/Globals.h"
#include "game/gfx/FadeTables.h"
#include "game/gfx/Globals.h"
#include "game/gfx/NumberStrip.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Text.h"
#include "game/io/Dik.h"
#include "game/io/Effects.h"
#include "game/io/Globals.h"
#include "game/io/Music.h"
#include "game/io/Pen.h"
#include "game/play/DataPacks.h"
#include "game/play/Globals.h"
#include "game/play/MadeGame.h"
#include "game/play/PlayPictures.h"
#include "game/play/PlayScreen.h"
#include "game/play/SavedGame.h"
#include "game/play/Stage.h"
#include "game/screens/Globals.h"
#include "game/settings/Settings.h"
#include "game/settings/SettingsStore.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr const char* kSixthWord = "mfkdlwpqz";
constexpr int kKey8Score = 70;
constexpr int kKey8Stage = 10;
constexpr int kGaugeLeft = 11, kGaugeWidth = 202, kGaugeHeight = 12;
constexpr int kGaugePlayer1Top = 18, kGaugePlayer2Top = 113, kGaugeRowStep = 13;
constexpr uint32_t kPauseBlinkFrames = 80;
constexpr int kPauseRightX = 550, kPauseBottomY = 440;
constexpr uint32_t kBlack = 0;

enum TitleAnswer {
    TitleOnePlayer = 0,
    TitleTwoPlayers = 1,
    TitleContinue = 2,
    TitleIntro = 3,
    TitleQuit = 4,
    TitlePacks = 5
};
enum PackSelectAnswer { PackOnePlayer = 4, PackTwoPlayers = 5, PackBack = 6 };
constexpr int kLogoFinished = 0;
constexpr int kIntroFinished = 0;

// The options change this machine's settings, some of which a network game shares: they stay closed then.
bool OptionsKeyPressed() {
    return !gTwoSeats && gInput.KeyPressed(kOptionsKey);
}

// A network game always has two players, whichever start was chosen.
int SecondPlayerLives(bool twoPlayersChosen) {
    return twoPlayersChosen || gTwoSeats ? CGameController::kStartLives : 0;
}
} // namespace

void CGameController::StartUp(const std::string& mapArgument) {
    sixthWord = kSixthWord;
    gSparkList.Empty();
    Register(gDifferenceMap);
    Register(gStageBanner);
    PenReset(gMenuPen, PenMenu);
    PenReset(gPlayer1Pen, PenPlayer1);
    PenReset(gPlayer2Pen, PenPlayer2);
    for (CScene* scene : std::initializer_list<CScene*>{
             &gMenuPen, &gPlayer1Pen, &gPlayer2Pen, &gTitleScene, &gPackSelectScene, &gBonusScene,
             &gRankBoard, &gLogoScene, &gIntroScene, &gEndingScene, &gOptionsScene})
        Register(*scene);
    BuildStageOrder(*this);
    mode = ModeLogo;
    ReloadPictures();
    DiscoverPacks(*this);
    stageTotal = packCount * kPicturesPerPack;
    Broadcast(MsgInit);
    ReadCommandLine(*this, mapArgument);
    if (mode != ModePlay) PlayEffect(EffectLogo);
}

void CGameController::ReloadPictures() {
    struct FramePicture {
        Surface& surface;
        const char* name;
    };
    for (const FramePicture& p :
         {FramePicture{frameTop, "backUp.bmp"}, FramePicture{frameLeft, "backLeft.bmp"},
          FramePicture{frameRight, "backRight.bmp"}, FramePicture{frameBottom, "backBottom.bmp"},
          FramePicture{frameMiddle, "backEtc.bmp"}}) {
        p.surface.systemMemory = 0;
        p.surface.LowLoadBmpBit(&gMainArchive, p.name, 0, 0);
    }
    gaugePicture.systemMemory = 0;
    gaugePicture.LoadPcx256(&gMainArchive, "FireGage.pcx", 0, 0);
    for (int k = 0; k < kGaugeFrames; ++k) {
        gaugeFrames[k].Set(&gaugePicture, kGaugeLeft, kGaugePlayer1Top + kGaugeRowStep * k, kGaugeWidth,
                           kGaugeHeight);
        gaugeFrames[kGaugeFrames + k].Set(&gaugePicture, kGaugeLeft, kGaugePlayer2Top + kGaugeRowStep * k,
                                          kGaugeWidth, kGaugeHeight);
    }
    LoadDigits(&gMainArchive, "Number.bmp");
    if (gPairSupply) loadingPicture.LoadPcx256(&gMainArchive, "loading.pcx", 0, 0);
    Broadcast(MsgLoad);
}

void CGameController::ScreenChange(int newMode) {
    PixelBuffer* back = gDisplay.lowDDBack.get();
    if (!back) return;
    CaptureOld(*back);
    Draw(newMode);
    CaptureNew(*back);
    CrossFade(nullptr, nullptr);
}

void CGameController::GoToTitle() {
    EndMadeGame(*this);
    ScreenChange(ModeTitle);
    mode = ModeTitle;
    EndRelaxedMark();
    PlayRandomMusic();
}

void CGameController::GoToPackSelect() {
    EndMadeGame(*this);
    ScreenChange(ModePackSelect);
    mode = ModePackSelect;
    singlePack = 0;
    EndRelaxedMark();
}

void CGameController::OpenOptions() {
    optionsReturn = mode;
    mode = ModeOptions;
    gOptionsScene.Message(MsgEnter, 0, 0);
    ScreenChange(ModeOptions);
}

void CGameController::UpdateOptions() {
    PenFollowMouse(gMenuPen);
    if (Send(gOptionsScene, MsgUpdate) != COptionsScene::kLeave) return;
    SaveOptions();
    mode = optionsReturn;
    ScreenChange(mode);
}

void CGameController::SaveOptions() {
    std::string error;
    if (!SaveSettings(error)) ShowError(GameTextUtf8(TextSettingsWriteError), error.c_str());
}

void CGameController::SaveOptionsIfOpen() {
    if (mode == ModeOptions) SaveOptions();
}

// Escape leaves any screen but the title and the pause; true when the update ends here.
bool CGameController::HandleEscape() {
    if (!gInput.KeyDown(DIK_ESCAPE)) return false;
    if (BackToPackSelect()) {
        GoToPackSelect();
        PlayEffect(EffectGameOver1);
        return false;
    }
    if (mode == ModeTitle || mode == ModePause) return false;
    GoToTitle();
    PlayEffect(EffectGameOver1);
    return true;
}

void CGameController::Update() {
    if (mode == ModeOptions) { // its own keys: Escape leaves it, the others are rebound there
        UpdateOptions();
        return;
    }
    if (HandleEscape()) return;
    if (skipEnabled == 1) {
        gDifferenceMap.showAnswers = 1;
        if (gInput.KeyDown(DIK_N) && NextStageExists()) {
            StartNextStage();
            return;
        }
    }
    if (gInput.KeyDown(DIK_8)) {
        gRankBoard.RankInsert(kKey8Score);
        stageNumber = kKey8Stage;
    }
    UpdateMode();
}

void CGameController::UpdateMode() {
    switch (mode) {
    case ModeLogo:
        if (Send(gLogoScene, MsgUpdate) == kLogoFinished) {
            GoToTitle();
            mode = ModeTitle;
        }
        break;
    case ModePackSelect:
        Send(gMenuPen, MsgUpdate);
        AnswerPackSelect(Send(gPackSelectScene, MsgUpdate));
        break;
    case ModeTitle:
        Send(gMenuPen, MsgUpdate);
        AnswerTitle(Send(gTitleScene, MsgUpdate));
        if (mode == ModeTitle && OptionsKeyPressed()) OpenOptions();
        break;
    case ModeIntro:
        if (Send(gIntroScene, MsgUpdate) == kIntroFinished) GoToTitle();
        break;
    case ModePlay:
        UpdatePlay();
        break;
    case ModeBonus:
        UpdateBonus();
        break;
    case ModeEnding:
        Send(gEndingScene, MsgUpdate); // deliberate: the ending lasts until Escape
        break;
    case ModeLoading:
        UpdateLoading();
        break;
    case ModePause:
        gLogoScene.counter = CLogoScene::kFinalStep;
        if (AnySeatKeyDown(DIK_P) || gInput.KeyDown(DIK_ESCAPE)) {
            mode = ModePlay;
            ScreenChange(ModePlay);
        } else if (OptionsKeyPressed()) {
            OpenOptions();
        }
        break;
    default:
        break;
    }
}

bool CGameController::BackToPackSelect() const {
    return singlePack == 1 || made.stream == int(MadeStream::Endless);
}

// The stage that waits for its made pair starts as soon as the maker has it; a pair that cannot be made at
// all ends the game on the selection screen.
void CGameController::UpdateLoading() {
    if (MadeStageReady(*this, stageNumber)) {
        StartNextStage();
    } else if (MadeStageFailed(*this, stageNumber)) {
        ShowError(GameTextUtf8(TextPackLoadError), PairCacheLabel(MadeKeyAt(*this, stageNumber)).c_str());
        GoToPackSelect();
    }
}

// A continued saved game may have left its own total; a new game always covers every pack.
void CGameController::NewGameOrder() {
    stageTotal = packCount * kPicturesPerPack;
    BuildStageOrder(*this);
}

void CGameController::StartPlaying(int lives2) {
    gRankBoard.fileName = kRankFileName;
    gPlayer1Pen.lives = kStartLives;
    gPlayer2Pen.lives = lives2;
    NewGameOrder();
    StartNextStage();
    singlePack = 0;
}

void CGameController::AnswerTitle(int answer) {
    switch (answer) {
    case TitleOnePlayer:
    case TitleTwoPlayers:
        StartPlaying(SecondPlayerLives(answer == TitleTwoPlayers));
        break;
    case TitleContinue:
        gRankBoard.fileName = kRankFileName;
        LoadSavedGame(); // sets the single-pack flag from the saved order
        mode = ModePlay;
        ScreenChange(ModePlay);
        break;
    case TitleIntro:
        ScreenChange(ModeIntro);
        gIntroScene.Message(MsgEnter, 0, 0);
        mode = ModeIntro;
        break;
    case TitleQuit:
        PostClose();
        break;
    case TitlePacks:
        mode = ModePackSelect;
        gPackSelectScene.Message(MsgEnter, 0, 0);
        ScreenChange(ModePackSelect);
        break;
    default:
        break;
    }
}

void CGameController::AnswerPackSelect(int answer) {
    if (answer == PackBack) {
        GoToTitle();
        PlayEffect(EffectGameOver1);
        return;
    }
    if (answer != PackOnePlayer && answer != PackTwoPlayers) return;
    const int lives2 = SecondPlayerLives(answer == PackTwoPlayers);
    if (gPackSelectScene.SelectedMade() != CPackSelectScene::kNoMadeEntry) {
        StartMadeGame(*this, MadeStream(gPackSelectScene.SelectedMade()), gPackSelectScene.madeDay, lives2);
        return;
    }
    gRankBoard.fileName = kRankFileName;
    gPlayer1Pen.lives = kStartLives;
    gPlayer2Pen.lives = lives2;
    stageNumber = 0;
    for (int j = 0; j < kPicturesPerPack; ++j)
        stageOrder[j] = {static_cast<uint8_t>(gPackSelectScene.selectedPack), static_cast<uint8_t>(j)};
    StartNextStage();
    singlePack = 1;
}

void CGameController::UpdatePlay() {
    gSparkList.UpdateAll();
    if (gRankBoard.nameEntry) {
        gRankBoard.Message(MsgUpdate, 0, 0); // the stage stands still while a name is typed
        return;
    }
    if (gStageBanner.state != CStageBanner::Hidden) {
        if (gStageBanner.Message(MsgUpdate, 0, 0) != CStageBanner::kAnswerGameOverEnded) return;
        if (BackToPackSelect()) {
            GoToPackSelect();
        } else if (stageNumber < stageTotal) {
            GoToTitle();
        } else {
            gEndingScene.Message(MsgEnter, 0, 0);
            mode = ModeEnding;
            ScreenChange(ModeEnding);
        }
        return;
    }
    StageStep();
    Send(gDifferenceMap, MsgUpdate);
    if (AnySeatKeyDown(DIK_P)) {
        mode = ModePause;
        ScreenChange(ModePause);
    }
}

void CGameController::AnswerBonusBanner(int answer) {
    switch (answer) {
    case CStageBanner::ChoiceLife:
        GainLife(gPlayer1Pen);
        GainLife(gPlayer2Pen);
        PlayEffect(EffectMouseClick);
        StartNextStage();
        break;
    case CStageBanner::ChoiceSave:
        // Made pairs are not kept in a saved game, which names packs: the player's saved game stays as it
        // was.
        if (made.stream == MadeGameState::kNone) {
            ++stageNumber; // the file holds the number of the next stage
            SaveGame();
            --stageNumber;
        }
        PlayEffect(EffectMouseClick);
        StartNextStage();
        break;
    default:
        if (answer >= CStageBanner::ChoiceLife) StartNextStage();
        break;
    }
}

void CGameController::UpdateBonus() {
    timeGauge -= PacedDrain(4 + stageNumber / 4);
    if (gStageBanner.state != CStageBanner::Hidden) {
        AnswerBonusBanner(gStageBanner.Message(MsgUpdate, 0, 0));
        return;
    }
    Send(gBonusScene, MsgUpdate);
    if (timeGauge <= 0 && gBonusScene.remaining > 0) {
        gStageBanner.BonusResult(0);
        PlayEffect(EffectGameOver1);
    }
    if (gBonusScene.remaining == 0) {
        gStageBanner.BonusResult(1);
        PlayEffect(EffectLogo);
    }
}

void CGameController::DrawPause() {
    gLogoScene.Message(MsgDraw, 0, 0);
    const int y = gShell.frameCounter % kPauseBlinkFrames < kPauseBlinkFrames / 2 ? 0 : kPauseBottomY;
    PutFontText(gDisplayFont, 0, y, kBlack, GameText(TextPause));
    PutFontText(gDisplayFont, kPauseRightX, y, kBlack, GameText(TextPause));
}

void CGameController::Draw(int drawMode) {
    switch (drawMode) {
    case ModeLogo:
        gLogoScene.Message(MsgDraw, 0, 0);
        break;
    case ModePackSelect:
        gPackSelectScene.Message(MsgDraw, 0, 0);
        gMenuPen.Message(MsgDraw, 0, 0);
        break;
    case ModeTitle:
        gTitleScene.Message(MsgDraw, 0, 0);
        gMenuPen.Message(MsgDraw, 0, 0);
        break;
    case ModeIntro:
        gIntroScene.Message(MsgDraw, 0, 0);
        break;
    case ModePlay:
        DrawPlayScreen();
        gRankBoard.Message(MsgDraw, 0, 0);
        break;
    case ModeBonus:
        DrawPlayFrame(1);
        gBonusScene.Message(MsgDraw, 0, 0);
        gStageBanner.Message(MsgDraw, 0, 0);
        DrawBonusPen(gPlayer1Pen);
        DrawBonusPen(gPlayer2Pen);
        break;
    case ModeEnding:
        gEndingScene.Message(MsgDraw, 0, 0);
        break;
    case ModePause:
        DrawPause();
        break;
    case ModeOptions:
        gOptionsScene.Message(MsgDraw, 0, 0);
        gMenuPen.Message(MsgDraw, 0, 0);
        break;
    case ModeLoading:
        loadingPicture.BltCell(0, 0, 0, false, *gDisplay.lowDDBack);
        break;
    default:
        break;
    }
}

void CGameController::OnTypedChar(uint8_t code) {
    gRankBoard.OnTypedChar(code);
}
