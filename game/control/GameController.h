#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "game/control/SceneRegistry.h"
#include "game/gfx/Archive.h"
#include "game/gfx/SpriteRegion.h"
#include "game/gfx/Surface.h"
#include "game/play/PairSupply.h"

enum GameMode {
    ModeLogo = 0,
    ModePackSelect = 1,
    ModeTitle = 2,
    ModeIntro = 3,
    ModePlay = 4,
    ModeBonus = 5,
    ModeEnding = 6,
    ModePause = 7,
    ModeOptions = 8, // the options screen, over the title or the pause
    ModeLoading = 9, // a made pair the next stage needs is not ready yet: the loading picture shows
};

// One stage of the order: a pack and a picture in it; 255, 255 marks an empty entry.
struct StageEntry {
    static constexpr uint8_t kEmpty = 255;
    uint8_t pack = kEmpty;
    uint8_t picture = kEmpty;
    bool operator==(const StageEntry&) const = default;
};

// A game of made pairs (today's pack, endless play) and the pair taken for its next stage.
struct MadeGameState {
    static constexpr int kNone = -1;
    int stream = kNone; // the MadeStream played, or kNone in a game of packs
    int64_t day = 0;    // the day whose pairs are played
    MadePair pair;      // sized at the first such game, then swapped with the maker's
    bool pairTaken = false;
    int loadingWaits = 0; // stage starts that had to wait for their pair, over the run
};

// Runs the game above the frame loop: the scene registry, the counters of a game and the mode machine.
class CGameController {
  public:
    static constexpr int kStageTimeGauge = 20000;
    static constexpr int kMaxPacks = 50;
    static constexpr int kPicturesPerPack = 10;
    static constexpr int kOrderEntries = 500;
    static constexpr int kStartLives = 10;
    static constexpr int kGaugeFrames = 6; // per player

    SceneRegistry registry;
    Surface frameTop, frameLeft, frameRight, frameBottom, frameMiddle;
    Surface stagePicture; // the picture pair of the current stage, drawn at the screen origin
    Surface gaugePicture;
    Surface loadingPicture; // shown while a made pair is not ready (only where pairs are made)
    SpriteRegion gaugeFrames[2 * kGaugeFrames]; // player 1's six, then player 2's
    std::array<std::unique_ptr<Archive>, kMaxPacks> packs;
    int packCount = 0;
    int stageTotal = 0;
    std::array<StageEntry, kOrderEntries> stageOrder;
    int timeGauge = 0;
    int stageNumber = 0;
    int penaltiesCharged = 0;
    int skipEnabled = 0;
    int singlePack = 0;
    int mode = ModeLogo;
    int optionsReturn = ModeTitle; // the mode the options screen goes back to
    std::string sixthWord;
    MadeGameState made;

    // Scenes, pictures, data packs and the command line; mapArgument is the test map or "".
    void StartUp(const std::string& mapArgument);
    void Update();
    void Draw(int drawMode);
    void ReloadPictures();
    // Captures the old picture, draws the new mode once, captures it and cross-fades on screen.
    void ScreenChange(int newMode);
    void GoToTitle();
    void GoToPackSelect();
    // The options screen, from the title or the pause; leaving it saves the settings and goes back there.
    void OpenOptions();
    // The window closes while the options screen is shown: its changes are saved as on leaving it.
    void SaveOptionsIfOpen();
    // The order and stage total of a new game over every pack present.
    void NewGameOrder();
    void OnTypedChar(uint8_t code);

  private:
    bool HandleEscape();
    void UpdateMode();
    void AnswerTitle(int answer);
    void AnswerPackSelect(int answer);
    void StartPlaying(int lives2);
    void UpdatePlay();
    void UpdateBonus();
    void AnswerBonusBanner(int answer);
    void DrawPause();
    void UpdateOptions();
    void SaveOptions();
    void UpdateLoading();
    // After a single-pack game, today's pack or endless play, the game goes back to the selection screen.
    bool BackToPackSelect() const;

  public:
    int Register(CScene& scene) { return registry.Register(scene); }
    int Send(const CScene& scene, int msg) { return registry.Send(scene, msg); }
    void Broadcast(int msg) { registry.Broadcast(msg); }
};
