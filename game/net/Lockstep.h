#pragma once
#include <cstddef>
#include <cstdint>

#include "game/io/Command.h"
#include "game/net/Packet.h"

// Keeps the two machines of a network game in step. Each machine gives its command for a frame `delay`
// frames ahead and sends every command the other has not confirmed yet; frame N runs on a machine only
// when both commands for N are there, so both run the same frames on the same commands.
class Lockstep {
  public:
    static constexpr uint32_t kWindow = 128; // frames held; far more than two delays
    static constexpr uint32_t kMaxDelay = 16;
    static constexpr uint32_t kCheckEvery = 16;
    static constexpr uint32_t kNoMismatch = 0xFFFFFFFF;

    // seat 0 hosts (player 1), seat 1 joined; the first `delay` frames have empty commands on both.
    Lockstep(int seat, uint32_t delay);

    uint32_t Frame() const { return nextRun_; } // the next frame to run
    uint32_t Delay() const { return delay_; }
    // True when this machine's command for frame Frame() + delay is due.
    bool WantsLocal() const;
    void SubmitLocal(const PlayerCommand& command);
    // Both commands of Frame() are there.
    bool Ready() const;
    // The commands of Frame(), seat 0 first; the next frame is then due.
    void Take(FrameCommands& out);

    // What to send now: the unconfirmed commands (the oldest kMaxFramesPerPacket) and the latest check.
    void FillPacket(CommandPacket& packet) const;
    // A packet of the other machine. A refused one (a frame outside the window, a confirmation of frames
    // never sent) changes nothing and is counted.
    bool Receive(const CommandPacket& packet);
    uint32_t Refused() const { return refused_; }

    // This machine's state check after a frame; checks are compared as both sides' arrive.
    void RecordCheck(uint32_t frame, uint64_t hash);
    // The first frame whose checks disagree, or kNoMismatch.
    uint32_t MismatchFrame() const { return mismatch_; }

  private:
    struct Check {
        uint32_t frame = CommandPacket::kNoCheck;
        uint64_t hash = 0;
    };
    static constexpr uint32_t kChecksKept = 8;
    static constexpr uint32_t kNone = 0xFFFFFFFF;

    void Compare(const Check& mine, const Check& theirs);

    int seat_;
    uint32_t delay_;
    uint32_t nextRun_ = 0;
    uint32_t nextLocal_;  // the next frame of ours to be given
    uint32_t peerHas_;    // the other machine has every frame of ours below this
    uint32_t remoteNext_; // we have every frame of the other machine's below this
    PlayerCommand local_[kWindow];
    PlayerCommand remote_[kWindow];
    uint32_t remoteFrame_[kWindow]; // the frame each remote slot holds, kNone when empty
    Check localChecks_[kChecksKept];
    Check remoteChecks_[kChecksKept];
    Check latestCheck_;
    uint32_t mismatch_ = kNoMismatch;
    uint32_t refused_ = 0;
};
