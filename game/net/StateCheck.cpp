#include "game/net/StateCheck.h"

#include <algorithm>

#include "game/control/Globals.h"
#include "game/control/Random.h"
#include "game/io/Globals.h"
#include "game/net/Fnv1a.h"
#include "game/play/Globals.h"
#include "game/screens/Globals.h"
#include "game/shell/Globals.h"

namespace {
constexpr const char* kFieldNames[StateSnapshot::kFields] = {
    "counter", "focus",  "mode",   "gauge",  "stage",  "pack",   "picture", "lives1", "lives2",
    "menu_x",  "menu_y", "pen1_x", "pen1_y", "pen2_x", "pen2_y", "found1",  "found2", "found3",
    "found4",  "found5", "random", "cards",  "naming", "banner", "options", "total"};

StageEntry PlayedEntry() {
    const int played = gController.stageNumber - 1;
    return played >= 0 && played < CGameController::kOrderEntries ? gController.stageOrder[played]
                                                                  : StageEntry{};
}
} // namespace

bool StateSnapshot::operator==(const StateSnapshot& other) const {
    return frame == other.frame && std::equal(values, values + kFields, other.values);
}

StateSnapshot CaptureState(uint32_t frame) {
    const StageEntry entry = PlayedEntry();
    const int32_t fields[StateSnapshot::kFields] = {
        static_cast<int32_t>(gShell.frameCounter),
        gShell.focusLost,
        gController.mode,
        gController.timeGauge,
        gController.stageNumber,
        entry.pack,
        entry.picture,
        gPlayer1Pen.lives,
        gPlayer2Pen.lives,
        gMenuPen.x,
        gMenuPen.y,
        gPlayer1Pen.x,
        gPlayer1Pen.y,
        gPlayer2Pen.x,
        gPlayer2Pen.y,
        gDifferenceMap.finders[0],
        gDifferenceMap.finders[1],
        gDifferenceMap.finders[2],
        gDifferenceMap.finders[3],
        gDifferenceMap.finders[4],
        static_cast<int32_t>(RandomState()),
        gBonusScene.remaining,
        gRankBoard.nameEntry,
        gStageBanner.state,
        gOptionsScene.selected,
        gController.stageTotal,
    };
    StateSnapshot state;
    state.frame = frame;
    std::copy(fields, fields + StateSnapshot::kFields, state.values);
    return state;
}

uint64_t StateHash(const StateSnapshot& state) {
    Fnv1a fnv;
    fnv.Add32(state.frame);
    for (int32_t v : state.values) fnv.Add32(static_cast<uint32_t>(v));
    return fnv.Value();
}

std::string DescribeState(const StateSnapshot& state) {
    std::string out = "frame=" + std::to_string(state.frame);
    for (int i = 0; i < StateSnapshot::kFields; ++i)
        out += std::string(" ") + kFieldNames[i] + "=" + std::to_string(state.values[i]);
    return out;
}
