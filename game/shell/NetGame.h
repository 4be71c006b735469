#pragma once
#include <cstdint>
#include <string>

#include "game/net/Lockstep.h"
#include "game/net/Packet.h"
#include "game/net/StateCheck.h"
#include "game/settings/Settings.h"
#include "game/shell/CommandFeed.h"
#include "game/texts/TextId.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/NetLink.h"

// Sends the hello and waits up to kMeetMs for the other machine's; false with the reason otherwise.
bool ExchangeHellos(NetLink& link, const Hello& mine, Hello& theirs, std::string& error);

// A game played on two machines in lockstep. Frames wait for the other machine's command while the
// window keeps answering; the other machine's silence for kSilenceMs, its leaving, or state checks that
// disagree end the network game with a message, and this machine goes on alone from the title.
class NetGame : public CommandFeed {
  public:
    static constexpr uint32_t kSilenceMs = 5000;
    static constexpr uint32_t kResendMs = 15;       // a waiting frame sends its commands again this often
    static constexpr uint32_t kReportWaitMs = 2000; // how long a disagreeing check waits for the other state

    struct Figures {
        uint32_t frames = 0;
        uint32_t stalls = 0; // frames that had to wait for the other machine
        uint32_t longestStallMs = 0;
        uint64_t latencyMsTotal = 0; // from a command's sampling to its frame's start, summed over frames
        uint32_t sampledFrames = 0;  // the frames that ran on sampled commands (all but the first `delay`)
        uint32_t refused = 0;        // packets that were not understood or not believed
        uint32_t elapsedMs = 0;
    };

    // seat 0 hosts. ownSettings are this machine's, put back when the network game ends.
    NetGame(NetLink& link, int seat, uint32_t delay, Clock& realClock, EventSource& events,
            const Settings& ownSettings, std::string reportDir);

    void Exchange(const PlayerCommand& local, FrameCommands& out) override;
    void AfterFrame() override;

    bool Ended() const { return ended_; }
    Figures Snapshot() const;
    // One line of the figures, for standard error.
    std::string Describe() const;

  private:
    static constexpr uint32_t kSnapshotsKept = 8;

    void SendCommands();
    // Reads what has arrived, waiting up to waitMs for the first packet.
    void Poll(uint32_t waitMs);
    // One packet of `size` bytes in the buffer.
    void Dispatch(long size);
    void ReportMismatch();
    // detail fills the reason's "%s", if it has one.
    void End(TextId reason, const std::string& detail = "");

    NetLink& link_;
    Lockstep lockstep_;
    Clock& clock_;
    EventSource& events_;
    Settings ownSettings_;
    std::string reportDir_;
    bool ended_ = false;
    uint32_t startMs_ = 0; // set when the first frame is exchanged
    uint32_t lastHeardMs_ = 0;
    uint32_t lastSentMs_ = 0;
    uint32_t sampledMs_[Lockstep::kWindow] = {}; // when each frame's local command was sampled
    StateSnapshot snapshots_[kSnapshotsKept];
    StateSnapshot theirState_;
    bool haveTheirState_ = false;
    Figures figures_;
    CommandPacket packet_;
    uint8_t buffer_[kMaxPacketBytes] = {};
};
