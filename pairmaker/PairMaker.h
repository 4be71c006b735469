#pragma once
#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>

#include "game/play/PairSupply.h"
#include "pairmaker/PairCache.h"

// Makes the pairs of today's pack and of endless play on a worker thread of its own, kAhead pairs ahead of
// the one the game asked for last, each verified as the bundled packs are, and keeps them in the player's
// cache folder. The game's thread only swaps finished pictures out of pre-sized slots (Take), so it never
// waits for the making and allocates nothing. The worker starts with the first Prepare and is stopped and
// joined when the maker is destroyed, on every way out of the program that unwinds.
class PairMaker final : public PairSupply {
  public:
    static constexpr int kAhead = 3;

    struct Figures {
        int made = 0;                             // pairs drawn by the generator
        int fromCache = 0;                        // pairs taken from the cache folder
        int failed = 0;                           // pairs that could not be made
        int taken = 0;                            // pairs the game took
        std::chrono::microseconds longestTake{0}; // the longest the game's thread spent in Take
    };

    // cacheFolder: where made pairs are kept; empty keeps none.
    explicit PairMaker(std::string cacheFolder);
    ~PairMaker() override;
    PairMaker(const PairMaker&) = delete;
    PairMaker& operator=(const PairMaker&) = delete;

    void Prepare(MadeStream stream, int64_t day, int first) override;
    bool Take(const MadePairKey& key, MadePair& into) override;
    bool Failed(const MadePairKey& key) const override;
    int TodayStars(int64_t day) const override;
    Figures Snapshot() const;

  private:
    enum class SlotState { Free, Making, Ready };
    struct Slot {
        SlotState state = SlotState::Free;
        MadePair pair;
    };

    void Run(std::stop_token stop);
    // Under the lock: frees ready pairs nobody wants any more and picks the next wanted pair no slot holds.
    Slot* NextJob(MadePairKey& key);
    bool Wanted(const MadePairKey& key) const;
    bool Held(const MadePairKey& key) const;
    void Finish(Slot& slot, const MadePairKey& key, bool made);

    PairCache cache_;
    mutable std::mutex mutex_;
    std::condition_variable_any wake_;
    std::array<Slot, kAhead + 1> slots_;
    bool wanted_ = false; // nothing is made before the first Prepare
    MadePairKey first_;   // the first pair wanted; those up to kAhead after it are made
    Figures figures_;
    MadePairKey failed_; // the last pair that could not be made: not tried again
    bool hasFailed_ = false;
    std::jthread worker_; // last: stopped and joined before the slots it fills go away
};
