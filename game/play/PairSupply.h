#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/MapFile.h"

// Picture pairs made while the game runs, for today's pack and endless play. The game only takes them; a
// maker given by the program (its generator works on a thread of its own) makes them ahead of need.

enum class MadeStream : uint8_t {
    Today = 0,   // the ten pairs of the day's pack
    Endless = 1, // the day's endless run, one pair a stage
};

struct MadePairKey {
    MadeStream stream = MadeStream::Today;
    int64_t day = 0; // days since 1970-01-01, UTC
    int index = 0;   // picture of the pack, or stage of the run, from 0
    bool operator==(const MadePairKey&) const = default;
};

// A made pair as the game takes it: the 640x480 stage picture as top-down red-green-blue bytes and its map.
// The picture buffer is sized once (Reserve) and afterwards only swapped, so taking a pair allocates nothing.
struct MadePair {
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;
    static constexpr size_t kRgbBytes = size_t(kWidth) * kHeight * 3;

    MadePairKey key;
    std::vector<uint8_t> rgb;
    MapRecords map{};

    void Reserve() { rgb.assign(kRgbBytes, 0); }
    bool Sized() const { return rgb.size() == kRgbBytes; }
};

class PairSupply {
  public:
    virtual ~PairSupply() = default;
    // The pairs of a stream and day from `first` on are wanted next: the maker works ahead on them and
    // drops what it holds of any other. Never waits.
    virtual void Prepare(MadeStream stream, int64_t day, int first) = 0;
    // When the pair is made, swaps it into `into` (a Sized pair, whose old buffer the maker keeps for a later
    // pair) and answers true; the maker goes on with the pairs after it. Never waits for the making.
    virtual bool Take(const MadePairKey& key, MadePair& into) = 0;
    // True when the pair could not be made (no fair pair among the generator's seeds): it never comes.
    virtual bool Failed(const MadePairKey& key) const = 0;
    // The stars of the day's pack, by the weekly plan.
    virtual int TodayStars(int64_t day) const = 0;
};

// Pairs in today's pack; the endless run has no end of its own.
constexpr int kTodayPackPairs = 10;
