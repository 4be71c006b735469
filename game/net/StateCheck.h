#pragma once
#include <cstdint>
#include <string>

// The game state two machines of a network game must agree on, taken every few frames: stage, order
// position, gauge, lives, pens, finders, the random generator and the mode.
struct StateSnapshot {
    static constexpr int kFields = 26;
    uint32_t frame = 0; // the network game's frame it was taken after
    int32_t values[kFields] = {};

    bool operator==(const StateSnapshot& other) const;
};

StateSnapshot CaptureState(uint32_t frame);
// FNV-1a over the frame and the fields, the same on every machine.
uint64_t StateHash(const StateSnapshot& state);
// "frame=F mode=M gauge=G ..." with every field named.
std::string DescribeState(const StateSnapshot& state);
