#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

#include "game/net/Lockstep.h"

namespace {
// The command machine `seat` gives for frame f: its motion names both.
PlayerCommand CommandOf(int seat, uint32_t frame) {
    PlayerCommand c;
    c.flags = PlayerCommand::kMouseRead;
    c.dx = static_cast<int16_t>(frame % 30000);
    c.dy = static_cast<int16_t>(seat + 1);
    return c;
}

// Two machines joined by a link that loses a share of the packets and delivers the rest 0..maxDelay
// steps late, out of order.
struct LossyPair {
    struct InFlight {
        int due;
        int to;
        std::vector<uint8_t> bytes;
    };
    Lockstep side[2];
    std::vector<FrameCommands> ran[2];
    std::deque<InFlight> flight;
    std::mt19937 random;
    double loss;
    int maxDelay;
    int step = 0;

    LossyPair(uint32_t delay, double lossShare, int delaySteps, unsigned seed)
        : side{Lockstep(0, delay), Lockstep(1, delay)}, random(seed), loss(lossShare), maxDelay(delaySteps) {}

    void Step() {
        for (int s = 0; s < 2; ++s) {
            Lockstep& me = side[s];
            if (me.WantsLocal()) me.SubmitLocal(CommandOf(s, me.Frame() + me.Delay()));
            CommandPacket packet;
            me.FillPacket(packet);
            std::vector<uint8_t> bytes(kMaxPacketBytes);
            bytes.resize(EncodeCommandPacket(packet, bytes.data(), bytes.size()));
            if (std::uniform_real_distribution<double>(0, 1)(random) >= loss)
                flight.push_back(
                    {step + std::uniform_int_distribution<int>(0, maxDelay)(random), 1 - s, bytes});
        }
        for (auto it = flight.begin(); it != flight.end();) {
            if (it->due > step) {
                ++it;
                continue;
            }
            CommandPacket packet;
            EXPECT_TRUE(DecodeCommandPacket(it->bytes.data(), it->bytes.size(), packet));
            EXPECT_TRUE(side[it->to].Receive(packet));
            it = flight.erase(it);
        }
        for (int s = 0; s < 2; ++s)
            if (side[s].Ready()) {
                FrameCommands frame;
                side[s].Take(frame);
                ran[s].push_back(frame);
            }
        ++step;
    }
};

struct LinkCase {
    const char* name;
    uint32_t delay;
    double loss;
    int maxDelaySteps;
};
const LinkCase kLinks[] = {
    {"Perfect", 2, 0.0, 0},
    {"NoDelayAtAll", 0, 0.0, 0},
    {"TenPercentLossAndReordering", 2, 0.1, 4},
    {"HalfLostLongDelay", 8, 0.5, 12},
};

class LockstepLink : public testing::TestWithParam<LinkCase> {};
} // namespace

TEST_P(LockstepLink, BothMachinesRunTheSameFramesOnEachOnesOwnCommands) {
    const LinkCase& c = GetParam();
    LossyPair pair(c.delay, c.loss, c.maxDelaySteps, 11);
    constexpr size_t kFrames = 600;
    for (int i = 0; i < 40000 && (pair.ran[0].size() < kFrames || pair.ran[1].size() < kFrames); ++i)
        pair.Step();
    ASSERT_GE(pair.ran[0].size(), kFrames);
    ASSERT_GE(pair.ran[1].size(), kFrames);
    for (uint32_t f = 0; f < kFrames; ++f) {
        for (int seat = 0; seat < 2; ++seat) {
            const PlayerCommand expected = f < c.delay ? PlayerCommand{} : CommandOf(seat, f);
            ASSERT_TRUE(pair.ran[0][f].seat[seat] == expected) << "frame " << f << " seat " << seat;
            ASSERT_TRUE(pair.ran[1][f].seat[seat] == expected) << "frame " << f << " seat " << seat;
        }
    }
    EXPECT_EQ(pair.side[0].Refused() + pair.side[1].Refused(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Links, LockstepLink, testing::ValuesIn(kLinks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Lockstep, AFrameWaitsForTheOtherMachineAndOnlyOneCommandIsDueAFrame) {
    Lockstep host(0, 2);
    ASSERT_TRUE(host.Ready()); // frames 0 and 1 have empty commands on both machines
    host.SubmitLocal(CommandOf(0, 2));
    EXPECT_FALSE(host.WantsLocal());
    FrameCommands frame;
    host.Take(frame);
    host.SubmitLocal(CommandOf(0, 3));
    host.Take(frame);
    EXPECT_FALSE(host.Ready()); // frame 2 needs the guest's command
    CommandPacket packet;
    packet.firstFrame = 2;
    packet.count = 1;
    packet.nextWanted = 3;
    packet.commands[0] = CommandOf(1, 2);
    ASSERT_TRUE(host.Receive(packet));
    ASSERT_TRUE(host.Ready());
    host.Take(frame);
    EXPECT_TRUE(frame.seat[0] == CommandOf(0, 2));
    EXPECT_TRUE(frame.seat[1] == CommandOf(1, 2));
    CommandPacket out;
    host.FillPacket(out);
    EXPECT_EQ(out.firstFrame, 3u); // the guest confirmed frame 2: only frame 3 is sent again
    EXPECT_EQ(out.count, 1u);
    EXPECT_EQ(out.nextWanted, 3u);
}

TEST(Lockstep, PacketsThatCannotBeTrueAreRefusedAndChangeNothing) {
    struct Bad {
        const char* name;
        uint32_t firstFrame, count, nextWanted;
    };
    const Bad kBad[] = {
        {"ConfirmsFramesNeverSent", 2, 1, 50},
        {"FramesBeyondTheWindow", Lockstep::kWindow, 1, 2},
        {"CountOverTheLimit", 2, kMaxFramesPerPacket + 1, 2},
    };
    for (const Bad& bad : kBad) {
        Lockstep host(0, 2);
        CommandPacket packet;
        packet.firstFrame = bad.firstFrame;
        packet.count = bad.count;
        packet.nextWanted = bad.nextWanted;
        EXPECT_FALSE(host.Receive(packet)) << bad.name;
        EXPECT_EQ(host.Refused(), 1u) << bad.name;
        CommandPacket out;
        host.FillPacket(out);
        EXPECT_EQ(out.nextWanted, 2u) << bad.name;
    }
}

TEST(Lockstep, ChecksThatDisagreeNameTheirFrameWhicheverArrivesFirst) {
    for (bool mineFirst : {true, false}) {
        for (uint64_t theirHash : {uint64_t{77}, uint64_t{78}}) {
            Lockstep host(0, 2);
            CommandPacket packet;
            packet.firstFrame = 2;
            packet.nextWanted = 2;
            packet.checkFrame = 32;
            packet.checkHash = theirHash;
            if (mineFirst) host.RecordCheck(32, 77);
            host.Receive(packet);
            if (!mineFirst) host.RecordCheck(32, 77);
            EXPECT_EQ(host.MismatchFrame(), theirHash == 77 ? Lockstep::kNoMismatch : 32u) << mineFirst;
        }
    }
}
