#include "game/shell/NetGame.h"

#include <algorithm>
#include <cstdio>

#include "common/AtomicFile.h"
#include "game/control/Globals.h"
#include "game/io/Globals.h"
#include "game/net/Globals.h"
#include "game/screens/Globals.h"
#include "game/settings/Globals.h"
#include "game/shell/ApplySettings.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr uint32_t kMeetMs = 5000;
constexpr uint32_t kMeetStepMs = 50;
constexpr uint32_t kWaitStepMs = 2;
} // namespace

bool ExchangeHellos(NetLink& link, const Hello& mine, Hello& theirs, std::string& error) {
    const std::vector<uint8_t> bytes = EncodeHello(mine);
    if (bytes.empty() || !link.Send(bytes.data(), bytes.size(), true)) {
        error = "the hello could not be sent";
        return false;
    }
    std::vector<uint8_t> buffer(Hello::kMaxBytes);
    for (uint32_t waited = 0; waited < kMeetMs; waited += kMeetStepMs) {
        const long got = link.Receive(buffer.data(), buffer.size(), kMeetStepMs);
        if (got == NetLink::kGone) break;
        if (got <= 0 || PacketTypeOf(buffer.data(), static_cast<size_t>(got)) != uint8_t(PacketType::Hello))
            continue; // commands of a machine that is already further are no answer
        if (DecodeHello(buffer.data(), static_cast<size_t>(got), theirs)) return true;
        error = "the other computer's hello cannot be read";
        return false;
    }
    error = "the other computer did not say hello";
    return false;
}

NetGame::NetGame(NetLink& link, int seat, uint32_t delay, Clock& realClock, EventSource& events,
                 const Settings& ownSettings, std::string reportDir)
    : link_(link), lockstep_(seat, delay), clock_(realClock), events_(events), ownSettings_(ownSettings),
      reportDir_(std::move(reportDir)) {}

void NetGame::Exchange(const PlayerCommand& local, FrameCommands& out) {
    if (ended_) {
        out = FrameCommands{{local, {}}};
        return;
    }
    if (figures_.frames == 0) startMs_ = lastHeardMs_ = clock_.Ticks(); // the figures start with the game
    if (lockstep_.WantsLocal()) {
        sampledMs_[(lockstep_.Frame() + lockstep_.Delay()) % Lockstep::kWindow] = clock_.Ticks();
        lockstep_.SubmitLocal(local);
    }
    SendCommands();
    Poll(0);
    const uint32_t waitStart = clock_.Ticks();
    bool waited = false;
    while (!ended_ && !lockstep_.Ready()) {
        waited = true;
        if (clock_.Ticks() - lastHeardMs_ > kSilenceMs) {
            End(TextNetPeerLeft);
            break;
        }
        events_.KeepAlive();
        if (clock_.Ticks() - lastSentMs_ >= kResendMs) SendCommands();
        Poll(kWaitStepMs);
    }
    if (ended_) {
        out = FrameCommands{{local, {}}};
        return;
    }
    const uint32_t now = clock_.Ticks();
    if (waited) {
        ++figures_.stalls;
        figures_.longestStallMs = std::max(figures_.longestStallMs, now - waitStart);
    }
    // The first frames' commands were no one's: they count no latency.
    if (lockstep_.Frame() >= lockstep_.Delay()) {
        figures_.latencyMsTotal += now - sampledMs_[lockstep_.Frame() % Lockstep::kWindow];
        ++figures_.sampledFrames;
    }
    ++figures_.frames;
    lockstep_.Take(out);
}

void NetGame::AfterFrame() {
    if (ended_) return;
    const uint32_t frame = lockstep_.Frame() - 1;
    if (frame % Lockstep::kCheckEvery == 0) {
        StateSnapshot& state = snapshots_[frame / Lockstep::kCheckEvery % kSnapshotsKept];
        state = CaptureState(frame);
        lockstep_.RecordCheck(frame, StateHash(state));
    }
    if (lockstep_.MismatchFrame() != Lockstep::kNoMismatch) ReportMismatch();
}

void NetGame::SendCommands() {
    lockstep_.FillPacket(packet_);
    const size_t size = EncodeCommandPacket(packet_, buffer_, sizeof buffer_);
    if (size > 0) link_.Send(buffer_, size, false);
    lastSentMs_ = clock_.Ticks();
}

void NetGame::Poll(uint32_t waitMs) {
    for (long got; !ended_ && (got = link_.Receive(buffer_, sizeof buffer_, waitMs)) != 0; waitMs = 0) {
        if (got == NetLink::kGone) {
            End(TextNetPeerLeft);
            return;
        }
        Dispatch(got);
    }
}

void NetGame::Dispatch(long size) {
    const size_t n = static_cast<size_t>(size);
    bool understood = false;
    switch (PacketType(PacketTypeOf(buffer_, n))) {
    case PacketType::Commands:
        understood = DecodeCommandPacket(buffer_, n, packet_) && lockstep_.Receive(packet_);
        break;
    case PacketType::Desync:
        understood = DecodeDesync(buffer_, n, theirState_);
        haveTheirState_ = understood;
        break;
    default:
        break;
    }
    if (!understood) {
        ++figures_.refused;
        return;
    }
    lastHeardMs_ = clock_.Ticks();
}

// Both machines see the disagreement: each sends its state of that frame, and each writes both states
// to a file for the report.
void NetGame::ReportMismatch() {
    const uint32_t frame = lockstep_.MismatchFrame();
    const StateSnapshot& mine = snapshots_[frame / Lockstep::kCheckEvery % kSnapshotsKept];
    uint8_t bytes[kMaxPacketBytes];
    const size_t size = EncodeDesync(mine, bytes, sizeof bytes);
    if (size > 0) link_.Send(bytes, size, true);
    for (const uint32_t start = clock_.Ticks();
         !haveTheirState_ && !ended_ && clock_.Ticks() - start < kReportWaitMs;)
        Poll(kWaitStepMs * 5);
    const std::string name = "zor-desync-" + std::to_string(frame) + ".txt";
    const std::string reportPath = reportDir_.empty() ? name : reportDir_ + "/" + name;
    const std::string text =
        "this computer:  " + DescribeState(mine) + "\nother computer: " +
        (haveTheirState_ ? DescribeState(theirState_) : std::string("(its state did not arrive)")) + "\n";
    std::string error;
    if (!WriteFileAtomically(reportPath, std::vector<uint8_t>(text.begin(), text.end()), error))
        std::fprintf(stderr, "zor: %s\n", error.c_str());
    std::fprintf(stderr, "zor: the network game's states differ at frame %u:\n%s", frame, text.c_str());
    End(TextNetDesync, reportPath);
}

// The reason goes to standard error and along the title's bottom, where the game goes on: a message box
// would stop it, and the platform's boxes cannot draw Hangul.
void NetGame::End(TextId reason, const std::string& detail) {
    ended_ = true;
    gTwoSeats = 0;
    gPlayerFilesDir.clear();
    gSettings = ownSettings_;
    ApplyPlaySettings();
    std::fprintf(stderr, "zor: %s\n", FormatGameText(GameTextUtf8(reason), detail).c_str());
    gTitleScene.ShowNotice(FormatGameText(GameText(reason), detail));
    gController.GoToTitle();
}

NetGame::Figures NetGame::Snapshot() const {
    Figures f = figures_;
    f.refused += lockstep_.Refused();
    f.elapsedMs = clock_.Ticks() - startMs_;
    return f;
}

// The latency is also given in frames of the run's own mean length, since paced frames are not evenly spaced.
std::string NetGame::Describe() const {
    const Figures f = Snapshot();
    const NetLink::Figures link = link_.Snapshot();
    const double seconds = std::max(1u, f.elapsedMs) / 1000.0;
    const double latencyMs = f.sampledFrames ? double(f.latencyMsTotal) / f.sampledFrames : 0.0;
    const double frameMs = f.frames ? double(f.elapsedMs) / f.frames : 0.0;
    char line[400];
    std::snprintf(
        line, sizeof line,
        "net: frames=%u stalls=%u longest_stall_ms=%u latency_ms=%.1f frame_ms=%.1f latency_frames=%.2f "
        "sent_bytes_per_s=%.0f received_bytes_per_s=%.0f refused=%u rtt_ms=%u ended=%d",
        f.frames, f.stalls, f.longestStallMs, latencyMs, frameMs, frameMs > 0 ? latencyMs / frameMs : 0.0,
        double(link.bytesSent) / seconds, double(link.bytesReceived) / seconds, f.refused + link.oversized,
        link.roundTripMs, ended_ ? 1 : 0);
    return line;
}
