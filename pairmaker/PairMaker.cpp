#include "pairmaker/PairMaker.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <sys/resource.h>
#include <unistd.h>

#include "pairmaker/PairMaking.h"
#include "tools/packgen/DailyPlan.h"

namespace {
// The worker gives way to the game's thread, whose frames must keep their pace on a busy machine.
constexpr int kWorkerNiceness = 10;

int StreamEnd(MadeStream stream) {
    return stream == MadeStream::Today ? kTodayPackPairs : std::numeric_limits<int>::max();
}
} // namespace

PairMaker::PairMaker(std::string cacheFolder) : cache_(std::move(cacheFolder)) {
    for (Slot& slot : slots_) slot.pair.Reserve();
}

PairMaker::~PairMaker() {
    if (!worker_.joinable()) return;
    worker_.request_stop(); // wakes the worker from its wait; a pair being drawn stops at its next scene
    worker_.join();
}

void PairMaker::Prepare(MadeStream stream, int64_t day, int first) {
    {
        std::lock_guard lock(mutex_);
        wanted_ = true;
        first_ = {stream, day, first};
        if (!worker_.joinable()) worker_ = std::jthread([this](std::stop_token stop) { Run(stop); });
    }
    wake_.notify_all();
}

bool PairMaker::Take(const MadePairKey& key, MadePair& into) {
    const auto start = std::chrono::steady_clock::now();
    bool taken = false;
    {
        std::lock_guard lock(mutex_);
        for (Slot& slot : slots_) {
            if (slot.state != SlotState::Ready || !(slot.pair.key == key) || !into.Sized()) continue;
            std::swap(slot.pair.rgb, into.rgb);
            into.map = slot.pair.map;
            into.key = key;
            slot.state = SlotState::Free;
            if (first_.stream == key.stream && first_.day == key.day)
                first_.index = std::max(first_.index, key.index + 1);
            ++figures_.taken;
            taken = true;
            break;
        }
        const auto spent =
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
        figures_.longestTake = std::max(figures_.longestTake, spent);
    }
    if (taken) wake_.notify_all();
    return taken;
}

bool PairMaker::Failed(const MadePairKey& key) const {
    std::lock_guard lock(mutex_);
    return hasFailed_ && failed_ == key;
}

int PairMaker::TodayStars(int64_t day) const {
    return PlanOfDay(day).difficulty;
}

PairMaker::Figures PairMaker::Snapshot() const {
    std::lock_guard lock(mutex_);
    return figures_;
}

bool PairMaker::Wanted(const MadePairKey& key) const {
    return wanted_ && key.stream == first_.stream && key.day == first_.day && key.index >= first_.index &&
           key.index < first_.index + kAhead && key.index < StreamEnd(key.stream);
}

bool PairMaker::Held(const MadePairKey& key) const {
    return std::any_of(slots_.begin(), slots_.end(),
                       [&](const Slot& s) { return s.state != SlotState::Free && s.pair.key == key; });
}

PairMaker::Slot* PairMaker::NextJob(MadePairKey& key) {
    for (Slot& slot : slots_)
        if (slot.state == SlotState::Ready && !Wanted(slot.pair.key)) slot.state = SlotState::Free;
    const auto free =
        std::find_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.state == SlotState::Free; });
    if (!wanted_ || free == slots_.end()) return nullptr;
    for (int i = 0; i < kAhead; ++i) {
        const MadePairKey candidate{first_.stream, first_.day, first_.index + i};
        if (!Wanted(candidate) || Held(candidate) || (hasFailed_ && candidate == failed_)) continue;
        key = candidate;
        free->state = SlotState::Making;
        free->pair.key = candidate;
        return &*free;
    }
    return nullptr;
}

void PairMaker::Finish(Slot& slot, const MadePairKey& key, bool made) {
    std::lock_guard lock(mutex_);
    slot.state = made && Wanted(key) ? SlotState::Ready : SlotState::Free;
}

void PairMaker::Run(std::stop_token stop) {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kWorkerNiceness);
    MadeResult result;
    while (!stop.stop_requested()) {
        MadePairKey key;
        Slot* slot = nullptr;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, stop, [&] { return (slot = NextJob(key)) != nullptr; });
            if (!slot) return; // stop requested
        }
        std::string error;
        const bool made = MakeVerifiedPair(key, cache_, result, error, stop);
        if (made) {
            // The slot is the worker's while it is being made: its picture is filled outside the lock.
            std::copy(result.picture.pixels.begin(), result.picture.pixels.end(), slot->pair.rgb.begin());
            slot->pair.map = result.map;
        } else if (!stop.stop_requested()) {
            std::fprintf(stderr, "zor: no fair pair for %s: %s\n", PairCache::StemFor(key).c_str(),
                         error.c_str());
        }
        {
            std::lock_guard lock(mutex_);
            if (made) {
                ++(result.fromCache ? figures_.fromCache : figures_.made);
            } else if (!stop.stop_requested()) {
                ++figures_.failed;
                failed_ = key;
                hasFailed_ = true;
            }
        }
        Finish(*slot, key, made);
    }
}
