#include "game/play/MadeGame.h"

#include "common/CivilDate.h"
#include "game/control/Globals.h"
#include "game/play/Globals.h"
#include "game/play/Stage.h"
#include "game/screens/Globals.h"

namespace {
bool OrderIndex(int s) {
    return s >= 0 && s < CGameController::kOrderEntries;
}
} // namespace

bool IsMadeEntry(const StageEntry& entry) {
    return entry.pack == kTodayEntryPack || entry.pack == kEndlessEntryPack;
}

MadePairKey MadeKeyAt(const CGameController& c, int s) {
    const StageEntry entry = c.stageOrder[size_t(s)];
    if (entry.pack == kTodayEntryPack) return {MadeStream::Today, c.made.day, entry.picture};
    return {MadeStream::Endless, c.made.day, s};
}

std::string PairCacheLabel(const MadePairKey& key) {
    return (key.stream == MadeStream::Today ? "today " : "endless ") + FormatIsoDate(key.day) + " #" +
           std::to_string(key.index + 1);
}

std::string MadeRankFileName(MadeStream stream, int64_t day) {
    return stream == MadeStream::Today ? "zor-" + FormatIsoDate(day) + ".rnk" : "zor-endless.rnk";
}

void StartMadeGame(CGameController& c, MadeStream stream, int64_t day, int lives2) {
    gPlayer1Pen.lives = CGameController::kStartLives;
    gPlayer2Pen.lives = lives2;
    c.stageNumber = 0;
    c.stageOrder.fill(StageEntry{});
    const bool today = stream == MadeStream::Today;
    if (today) {
        for (int j = 0; j < kTodayPackPairs; ++j) c.stageOrder[size_t(j)] = {kTodayEntryPack, uint8_t(j)};
    } else {
        c.stageOrder.fill({kEndlessEntryPack, 0});
        c.stageTotal = CGameController::kOrderEntries;
    }
    c.made.stream = int(stream);
    c.made.day = day;
    c.made.pairTaken = false;
    if (!c.made.pair.Sized()) c.made.pair.Reserve(); // once a run; later games swap it
    gRankBoard.fileName = MadeRankFileName(stream, day);
    if (gPairSupply) gPairSupply->Prepare(stream, day, 0);
    StartNextStage();
    c.singlePack = today ? 1 : 0; // today's pack ends after its tenth stage, back on the selection screen
}

void EndMadeGame(CGameController& c) {
    if (c.made.stream == MadeGameState::kNone) return;
    if (c.made.stream == int(MadeStream::Endless))
        c.stageTotal = c.packCount * CGameController::kPicturesPerPack;
    c.made.stream = MadeGameState::kNone;
    c.made.pairTaken = false;
    gRankBoard.fileName = kRankFileName;
}

bool MadeStageReady(CGameController& c, int s) {
    if (!OrderIndex(s) || !IsMadeEntry(c.stageOrder[size_t(s)])) return true;
    const MadePairKey key = MadeKeyAt(c, s);
    if (c.made.pairTaken && c.made.pair.key == key) return true;
    if (!gPairSupply || !c.made.pair.Sized()) return false;
    c.made.pairTaken = gPairSupply->Take(key, c.made.pair);
    return c.made.pairTaken;
}

bool MadeStageFailed(const CGameController& c, int s) {
    if (!OrderIndex(s) || !IsMadeEntry(c.stageOrder[size_t(s)])) return false;
    return !gPairSupply || gPairSupply->Failed(MadeKeyAt(c, s));
}

int LoadMadePair(CGameController& c) {
    if (!c.made.pairTaken) return 0;
    c.made.pairTaken = false;
    if (!c.stagePicture.LoadPackedRgb(c.made.pair.rgb.data(), MadePair::kWidth, MadePair::kHeight)) return 0;
    gDifferenceMap.SetRecords(c.made.pair.map);
    return 1;
}
