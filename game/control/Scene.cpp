#include "game/control/Scene.h"

int CScene::Message(int, int, int) {
    return 0;
}
