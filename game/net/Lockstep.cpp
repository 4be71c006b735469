#include "game/net/Lockstep.h"

#include <algorithm>

Lockstep::Lockstep(int seat, uint32_t delay)
    : seat_(seat), delay_(std::min(delay, kMaxDelay)), nextLocal_(delay_), peerHas_(delay_),
      remoteNext_(delay_) {
    std::fill(remoteFrame_, remoteFrame_ + kWindow, kNone);
    for (uint32_t f = 0; f < delay_; ++f) remoteFrame_[f] = f;
}

bool Lockstep::WantsLocal() const {
    return nextLocal_ <= nextRun_ + delay_ && nextLocal_ - peerHas_ < kWindow;
}

void Lockstep::SubmitLocal(const PlayerCommand& command) {
    local_[nextLocal_ % kWindow] = command;
    ++nextLocal_;
}

bool Lockstep::Ready() const {
    return nextRun_ < nextLocal_ && nextRun_ < remoteNext_;
}

void Lockstep::Take(FrameCommands& out) {
    const uint32_t slot = nextRun_ % kWindow;
    out.seat[seat_] = local_[slot];
    out.seat[1 - seat_] = remote_[slot];
    remoteFrame_[slot] = kNone;
    ++nextRun_;
}

void Lockstep::FillPacket(CommandPacket& packet) const {
    packet.firstFrame = peerHas_;
    packet.count = std::min(nextLocal_ - peerHas_, kMaxFramesPerPacket);
    for (uint32_t i = 0; i < packet.count; ++i) packet.commands[i] = local_[(peerHas_ + i) % kWindow];
    packet.nextWanted = remoteNext_;
    packet.checkFrame = latestCheck_.frame;
    packet.checkHash = latestCheck_.hash;
}

bool Lockstep::Receive(const CommandPacket& packet) {
    const uint64_t end = uint64_t{packet.firstFrame} + packet.count;
    if (packet.nextWanted > nextLocal_ || end > uint64_t{nextRun_} + kWindow ||
        packet.count > kMaxFramesPerPacket) {
        ++refused_;
        return false;
    }
    peerHas_ = std::max(peerHas_, packet.nextWanted);
    for (uint32_t i = 0; i < packet.count; ++i) {
        const uint32_t frame = packet.firstFrame + i;
        if (frame < remoteNext_ || remoteFrame_[frame % kWindow] == frame) continue;
        remote_[frame % kWindow] = packet.commands[i];
        remoteFrame_[frame % kWindow] = frame;
    }
    while (remoteFrame_[remoteNext_ % kWindow] == remoteNext_) ++remoteNext_;
    if (packet.checkFrame != CommandPacket::kNoCheck) {
        const Check theirs{packet.checkFrame, packet.checkHash};
        remoteChecks_[theirs.frame / kCheckEvery % kChecksKept] = theirs;
        Compare(localChecks_[theirs.frame / kCheckEvery % kChecksKept], theirs);
    }
    return true;
}

void Lockstep::RecordCheck(uint32_t frame, uint64_t hash) {
    const Check mine{frame, hash};
    localChecks_[frame / kCheckEvery % kChecksKept] = mine;
    latestCheck_ = mine;
    Compare(mine, remoteChecks_[frame / kCheckEvery % kChecksKept]);
}

void Lockstep::Compare(const Check& mine, const Check& theirs) {
    if (mine.frame == CommandPacket::kNoCheck || mine.frame != theirs.frame || mine.hash == theirs.hash)
        return;
    mismatch_ = std::min(mismatch_, mine.frame);
}
