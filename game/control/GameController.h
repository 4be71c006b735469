#pragma once
#include <cstdint>
#include <string>

#include "game/control/SceneRegistry.h"

enum GameMode {
    ModeLogo = 0,
    ModePackSelect = 1,
    ModeTitle = 2,
    ModeIntro = 3,
    ModePlay = 4,
    ModeBonus = 5,
    ModeEnding = 6,
    ModePause = 7,
};

// Runs the game above the frame loop: the scene registry, the counters of a game and the mode machine.
class CGameController {
public:
    static constexpr int kStageTimeGauge = 20000;

    SceneRegistry registry;
    int timeGauge = 0;
    int stageNumber = 0;
    int penaltiesCharged = 0;
    int skipEnabled = 0;
    int singlePack = 0;
    int mode = ModeLogo;
    std::string sixthWord;

    void StartUp();
    void Update();
    void Draw(int drawMode);
    void ReloadPictures();
    // Captures the old picture, draws the new mode once, captures it and cross-fades on screen.
    void ScreenChange(int newMode);
    void OnTypedChar(uint8_t code);

    int Register(CScene& scene) { return registry.Register(scene); }
    int Send(const CScene& scene, int msg) { return registry.Send(scene, msg); }
    void Broadcast(int msg) { registry.Broadcast(msg); }
};
