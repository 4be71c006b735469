#pragma once
#include <stop_token>
#include <string>
#include <vector>

#include "game/play/PairSupply.h"
#include "pairmaker/PairCache.h"
#include "tools/packgen/DailyPlan.h"
#include "tools/pairs/RgbImage.h"

// What a made pair is drawn from: today's pack and the endless run follow the day's plan.
PairRequest RequestFor(const MadePairKey& key);

// One made pair, verified: its picture bytes, the picture as decoded and its map.
struct MadeResult {
    std::vector<uint8_t> jpeg;
    RgbImage picture;
    MapRecords map{};
    bool fromCache = false;
};

// Takes the pair from the cache when it is kept there and still passes the verifier, else draws it (the
// generator verifies what it draws) and keeps it in the cache. False with a reason when no fair pair could
// be had or a stop was requested.
bool MakeVerifiedPair(const MadePairKey& key, const PairCache& cache, MadeResult& out, std::string& error,
                      std::stop_token stop = {});
