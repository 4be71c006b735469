#include "game/control/SceneRegistry.h"

int SceneRegistry::Register(CScene& scene) {
    for (int i = 0; i < kSlots; ++i) {
        if (slots_[i] == nullptr) {
            scene.slot = i;
            slots_[i] = &scene;
            return 1;
        }
    }
    return 0;
}

int SceneRegistry::Send(const CScene& scene, int msg, int a, int b) {
    if (scene.slot < 0 || scene.slot >= kSlots || slots_[scene.slot] == nullptr) return 0;
    return slots_[scene.slot]->Message(msg, a, b);
}

void SceneRegistry::Broadcast(int msg, int a, int b) {
    for (CScene* scene : slots_) {
        if (scene) scene->Message(msg, a, b);
    }
}
