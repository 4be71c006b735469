#pragma once
#include <array>

#include "game/control/Scene.h"

// The controller's 50 scene slots: scenes register once and are then reached by slot.
class SceneRegistry {
  public:
    static constexpr int kSlots = 50;

    // Stores the scene in the first empty slot; 0 when all slots are taken.
    int Register(CScene& scene);
    // The scene's answer, or 0 when its slot index is out of range or the slot is empty.
    int Send(const CScene& scene, int msg, int a = 0, int b = 0);
    // Every held scene in slot order; answers are not used.
    void Broadcast(int msg, int a = 0, int b = 0);

  private:
    std::array<CScene*, kSlots> slots_{};
};
