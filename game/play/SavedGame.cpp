#include "game/play/SavedGame.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "common/AtomicFile.h"
#include "game/control/Globals.h"
#include "game/gfx/ShowError.h"
#include "game/net/Globals.h"
#include "game/play/DataPacks.h"
#include "game/play/Stage.h"
#include "game/screens/Globals.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr size_t kOrderBytes = 2 * CGameController::kOrderEntries;
constexpr size_t kTotalAt = kOrderBytes, kNumberAt = kTotalAt + 4, kLives1At = kNumberAt + 4,
                 kLives2At = kLives1At + 4;

void PutLe32(std::vector<uint8_t>& out, size_t at, int32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(uint32_t(value) >> (8 * i));
}

int32_t GetLe32(const std::vector<uint8_t>& in, size_t at) {
    return static_cast<int32_t>(uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 |
                                uint32_t(in[at + 3]) << 24);
}

bool PlayableEntry(const CGameController& controller, const StageEntry& entry) {
    return entry.pack < controller.packCount && entry.picture < CGameController::kPicturesPerPack;
}

// A single-pack game is saved as the ten pictures of its pack in their own order and nothing after them;
// a game over all packs is shuffled, so it never has that shape but by a chance too small to matter.
bool SinglePackOrder(const std::array<StageEntry, CGameController::kOrderEntries>& order, int end) {
    if (end != CGameController::kPicturesPerPack) return false;
    for (int j = 0; j < CGameController::kPicturesPerPack; ++j)
        if (!(order[j] == StageEntry{order[0].pack, uint8_t(j)})) return false;
    return true;
}
} // namespace

std::vector<uint8_t> EncodeSavedGame(const CGameController& controller, int lives1, int lives2) {
    std::vector<uint8_t> bytes(kSaveFileBytes, 0);
    // A single-pack game keeps only its ten entries (those after them are left from an earlier game) and
    // their count as its total, so that continuing it plays that pack alone and ends as it would.
    const bool single = controller.singlePack == 1;
    const int kept = single ? CGameController::kPicturesPerPack : CGameController::kOrderEntries;
    for (int i = 0; i < CGameController::kOrderEntries; ++i) {
        const StageEntry entry = i < kept ? controller.stageOrder[i] : StageEntry{};
        bytes[2 * i] = entry.pack;
        bytes[2 * i + 1] = entry.picture;
    }
    PutLe32(bytes, kTotalAt, single ? kept : controller.stageTotal);
    PutLe32(bytes, kNumberAt, controller.stageNumber);
    PutLe32(bytes, kLives1At, lives1);
    PutLe32(bytes, kLives2At, lives2);
    return bytes;
}

bool DecodeSavedGame(const std::vector<uint8_t>& bytes, CGameController& controller, int& lives1,
                     int& lives2) {
    if (bytes.size() < kSaveFileBytes) return false;
    const int32_t total = GetLe32(bytes, kTotalAt);
    const int32_t number = GetLe32(bytes, kNumberAt);
    // Stage 0 would name the entry before the first one: a saved game always continues at stage 1 or later.
    if (total < 0 || total > CGameController::kOrderEntries || number < 1 || number > total) return false;
    std::array<StageEntry, CGameController::kOrderEntries> order;
    for (int i = 0; i < CGameController::kOrderEntries; ++i) order[i] = {bytes[2 * i], bytes[2 * i + 1]};
    // The game plays on from the saved stage to the total or to the first empty entry, whichever comes
    // first (a single pack fills only ten entries); only those entries must name a picture present.
    int end = number - 1;
    while (end < total && !(order[end] == StageEntry{})) {
        if (!PlayableEntry(controller, order[end])) return false;
        ++end;
    }
    if (end == number - 1) return false;
    controller.stageOrder = order;
    controller.stageTotal = end;
    controller.stageNumber = number;
    controller.singlePack = SinglePackOrder(order, end) ? 1 : 0;
    lives1 = GetLe32(bytes, kLives1At);
    lives2 = GetLe32(bytes, kLives2At);
    return true;
}

bool SaveGame() {
    std::string error;
    if (WriteFileAtomically(PlayerFilePath(kSaveFileName),
                            EncodeSavedGame(gController, gPlayer1Pen.lives, gPlayer2Pen.lives), error))
        return true;
    ShowError(GameTextUtf8(TextSaveWriteError), error.c_str());
    return false;
}

namespace {
// The selection screen a continued single-pack game ends on shows its pack, as after a fresh one.
void ChooseSavedPack(int pack) {
    gPackSelectScene.Message(MsgEnter, 0, 0);
    gPackSelectScene.selectedPack = pack;
    gPackSelectScene.RefreshPackInfo();
}
} // namespace

void LoadSavedGame() {
    std::ifstream in(PlayerFilePath(kSaveFileName), std::ios::binary);
    std::vector<uint8_t> bytes;
    if (in) {
        bytes.resize(kSaveFileBytes);
        in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(kSaveFileBytes));
        bytes.resize(size_t(in.gcount()));
    }
    int lives1 = 0, lives2 = 0;
    if (in.is_open() && DecodeSavedGame(bytes, gController, lives1, lives2)) {
        gPlayer1Pen.lives = lives1;
        gPlayer2Pen.lives = lives2;
        gController.stageNumber -= 1;
    } else {
        if (in.is_open())
            std::fprintf(stderr, "zor: %s is not a usable saved game; a new game starts\n", kSaveFileName);
        gPlayer1Pen.lives = CGameController::kStartLives;
        gPlayer2Pen.lives = 0;
        gController.NewGameOrder();
        gController.singlePack = 0;
    }
    if (gController.singlePack == 1) ChooseSavedPack(gController.stageOrder[0].pack);
    StartNextStage();
}
