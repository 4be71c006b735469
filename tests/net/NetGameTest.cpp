#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <vector>

#include "game/control/Globals.h"
#include "game/io/Globals.h"
#include "game/screens/Globals.h"
#include "game/settings/Globals.h"
#include "game/shell/NetGame.h"
#include "tests/support/TestFiles.h"

namespace {
using Queue = std::deque<std::vector<uint8_t>>;

// One end of a link in memory. Waiting for a packet that is not there passes the time on the clock.
class MemoryLink : public NetLink {
  public:
    MemoryLink(Queue& in, Queue& out, VirtualClock& clock) : in_(in), out_(out), clock_(clock) {}
    bool Send(const uint8_t* data, size_t size, bool) override {
        out_.emplace_back(data, data + size);
        return true;
    }
    long Receive(uint8_t* buffer, size_t capacity, uint32_t waitMs) override {
        if (gone) return kGone;
        if (in_.empty()) {
            clock_.Advance(waitMs + 1);
            return 0;
        }
        const std::vector<uint8_t> packet = in_.front();
        in_.pop_front();
        if (packet.size() > capacity) return 0;
        std::copy(packet.begin(), packet.end(), buffer);
        return static_cast<long>(packet.size());
    }
    Figures Snapshot() const override { return {}; }
    bool gone = false;

  private:
    Queue& in_;
    Queue& out_;
    VirtualClock& clock_;
};

class QuietEvents : public EventSource {
  public:
    void Pump(WindowEvents&) override {}
};

// A host and a guest in one process: they share the game's state, so a test changes it between the two
// machines' checks to make them disagree.
class NetGameTest : public testing::Test {
  protected:
    void SetUp() override { gTwoSeats = 1; }
    void TearDown() override {
        gTwoSeats = 0;
        gPlayer1Pen.x = 0;
    }
    // Runs frames 0 .. frames-1 on both; after frame `spoilAt` the host's state differs from the guest's.
    void Run(int frames, int spoilAt = -1) {
        FrameCommands out;
        for (int f = 0; f < frames; ++f) {
            if (!host.Ended()) host.Exchange(PlayerCommand{}, out);
            if (!guest.Ended()) guest.Exchange(PlayerCommand{}, out);
            if (f == spoilAt) gPlayer1Pen.x += 1;
            if (!host.Ended()) host.AfterFrame();
            if (f == spoilAt) gPlayer1Pen.x -= 1;
            if (!guest.Ended()) guest.AfterFrame();
        }
    }
    VirtualClock clock;
    Queue toHost, toGuest;
    MemoryLink hostLink{toHost, toGuest, clock}, guestLink{toGuest, toHost, clock};
    QuietEvents events;
    TempDir dir;
    NetGame host{hostLink, 0, 2, clock, events, gSettings, dir.Path("")};
    NetGame guest{guestLink, 1, 2, clock, events, gSettings, dir.Path("")};
};
} // namespace

TEST_F(NetGameTest, ChecksThatAgreeLetTheGamePlayAndHostileBytesAreCountedAndDropped) {
    toHost.push_back({'Z', 1, 0xFF});
    toHost.push_back({'Q', 9});
    Run(100);
    EXPECT_FALSE(host.Ended());
    EXPECT_FALSE(guest.Ended());
    EXPECT_EQ(host.Snapshot().frames, 100u);
    EXPECT_EQ(host.Snapshot().refused, 2u);
    EXPECT_EQ(guest.Snapshot().refused, 0u);
    EXPECT_EQ(host.Snapshot().stalls, 0u);
}

TEST_F(NetGameTest, StatesThatDisagreeEndTheGameOnBothAndAreWrittenForTheReport) {
    Run(80, 32);
    ASSERT_TRUE(host.Ended());
    ASSERT_TRUE(guest.Ended());
    EXPECT_EQ(gTwoSeats, 0); // this machine plays alone from the title, which tells why
    EXPECT_EQ(gTitleScene.noticeFrames, CTitleScene::kNoticeFrames);
    EXPECT_NE(gTitleScene.notice.find("zor-desync-32.txt"), std::string::npos);
    std::ifstream in(dir.Path("zor-desync-32.txt"));
    std::string mine, theirs;
    std::getline(in, mine);
    std::getline(in, theirs);
    // The host wrote last (the guest's state had arrived by then), its pen one pixel further.
    EXPECT_EQ(mine.rfind("this computer:  frame=32 ", 0), 0u) << mine;
    EXPECT_EQ(theirs.rfind("other computer: frame=32 ", 0), 0u) << theirs;
    EXPECT_NE(mine.find(" pen1_x=1 "), std::string::npos) << mine;
    EXPECT_NE(theirs.find(" pen1_x=0 "), std::string::npos) << theirs;
}

TEST_F(NetGameTest, AMachineThatLeavesOrFallsSilentEndsTheGameWithinTheSilenceLimit) {
    Run(10);
    guestLink.gone = true; // the guest's end sees its link close
    FrameCommands out;
    guest.Exchange(PlayerCommand{}, out);
    EXPECT_TRUE(guest.Ended());
    // Nothing more comes from the guest: the host runs the frames it has, then waits on the next.
    uint32_t frames = 0;
    for (; frames < 5 && host.Snapshot().frames == 10 + frames; ++frames) host.Exchange(PlayerCommand{}, out);
    EXPECT_TRUE(host.Ended());
    EXPECT_EQ(host.Snapshot().frames, 13u); // the guest had sent its commands up to frame 12 as it left
    EXPECT_GE(clock.Ticks(), NetGame::kSilenceMs);
    EXPECT_LE(clock.Ticks(), NetGame::kSilenceMs + 200);
}
