#pragma once
#include "game/control/Scene.h"
#include "game/gfx/Surface.h"

// The panel over the play screen: stage start, bonus start, bonus result and game over.
class CStageBanner : public CScene {
  public:
    enum State {
        Hidden = 0,
        StageStartShown = 1,
        BonusCleared = 2,
        BonusFailed = 3,
        GameOverShown = 4,
        BonusStartShown = 5
    };
    enum Choice { ChoiceLife = 100, ChoiceSave = 101, ChoiceNone = 102 };
    static constexpr int kShowSteps = 64;   // stage start, bonus start and game over last this long
    static constexpr int kFailedSteps = 50; // the bonus-failed panel
    static constexpr int kAnswerGameOverEnded = 4;

    Surface back, readyGo, gameOver, bonusMsg, bonusResult, bonusStart;
    int step = 0;
    int stageShown = 0;
    int bonusChoice = ChoiceNone;
    int state = Hidden;

    void StageStart(int number);
    void BonusStart();
    void GameOver();
    void BonusResult(int cleared);

    int Message(int msg, int a, int b) override;

  private:
    void Load();
    int Draw();
    int Update();
    int UpdateBonusChoice();
    void DrawReadyGoOr(bool bonus);
};
