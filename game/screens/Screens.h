#pragma once
// The screens outside the play stage. Each is a scene; the controller drives them through messages.
#include <cstdint>

#include "game/control/Scene.h"

class CPackSelectScene : public CScene {
public:
    int selectedPack = 0;
    int Message(int msg, int a, int b) override;
};

class CBonusScene : public CScene {
public:
    int remaining = 0; // pairs not yet matched
    int Message(int msg, int a, int b) override;
};

class CRankBoard : public CScene {
public:
    int nameEntry = 0;
    // 1 when the score enters the table (name entry starts).
    int RankInsert(int score);
    void OnTypedChar(uint8_t code);
    int Message(int msg, int a, int b) override;
};
