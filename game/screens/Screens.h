#pragma once
// The screens outside the play stage. Each is a scene; the controller drives them through messages.
#include <cstdint>

#include "game/control/Scene.h"

class CLogoScene : public CScene {
public:
    static constexpr int kFinalStep = 100; // the pause screen shows the logo's last picture
    int counter = 0;
    int Message(int msg, int a, int b) override;
};

class CIntroScene : public CScene {
public:
    int Message(int msg, int a, int b) override;
};

class CEndingScene : public CScene {
public:
    int Message(int msg, int a, int b) override;
};
