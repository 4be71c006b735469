#pragma once
#include <cstdint>
#include <string>

#include "game/control/GameController.h"
#include "game/play/PairSupply.h"

// Games of made pairs: today's pack (ten pairs, played as a single pack is) and endless play (a pair a stage
// until the lives are gone). Their stages stand in the stage order under pack numbers no pack file has, so
// the stage rules run as for any pack; each game enters a ranking of its own.

constexpr uint8_t kTodayEntryPack = 254;   // picture: the pair of today's pack
constexpr uint8_t kEndlessEntryPack = 253; // the pair is the stage's own

bool IsMadeEntry(const StageEntry& entry);
// The made pair that order entry s plays in the current game.
MadePairKey MadeKeyAt(const CGameController& controller, int s);
// "today 2026-12-09 #3" or "endless 2026-12-09 #42", for messages.
std::string PairCacheLabel(const MadePairKey& key);
// "zor-2026-12-09.rnk" for the day's pack, "zor-endless.rnk" for endless play.
std::string MadeRankFileName(MadeStream stream, int64_t day);

// Starts a game of the stream's pairs for the day: lives, the order, the ranking, the first stage.
void StartMadeGame(CGameController& controller, MadeStream stream, int64_t day, int lives2);
// Leaves a game of made pairs, if one is running: the ranking and stage total of the packs again.
void EndMadeGame(CGameController& controller);
// True when order entry s needs no made pair or its pair is taken; takes it when the maker has it made.
bool MadeStageReady(CGameController& controller, int s);
// True when the pair of entry s will never come (the maker found no fair pair).
bool MadeStageFailed(const CGameController& controller, int s);
// Puts the taken pair into the stage picture and the difference map; 1 on success.
int LoadMadePair(CGameController& controller);
