// The saved game on hostile bytes: a game taken from it only plays entries that exist, and saving it again
// gives a file that continues the same game.
#include <vector>

#include "game/control/GameController.h"
#include "game/play/SavedGame.h"

namespace {
bool Playable(const CGameController& c) {
    if (c.stageNumber < 1 || c.stageNumber > c.stageTotal || c.stageTotal > CGameController::kOrderEntries)
        return false;
    for (int i = c.stageNumber - 1; i < c.stageTotal; ++i)
        if (c.stageOrder[i].pack >= c.packCount ||
            c.stageOrder[i].picture >= CGameController::kPicturesPerPack)
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    CGameController controller;
    // From a single pack to the sixteen bundled ones, as the input's length picks.
    controller.packCount = 1 + int(size % 16);
    int lives1 = 0, lives2 = 0;
    if (!DecodeSavedGame(bytes, controller, lives1, lives2)) return 0;
    if (!Playable(controller)) __builtin_trap();
    CGameController again;
    again.packCount = controller.packCount;
    int l1 = 0, l2 = 0;
    if (!DecodeSavedGame(EncodeSavedGame(controller, lives1, lives2), again, l1, l2)) __builtin_trap();
    if (again.stageNumber != controller.stageNumber || again.stageTotal != controller.stageTotal ||
        l1 != lives1 || l2 != lives2)
        __builtin_trap();
    return 0;
}
