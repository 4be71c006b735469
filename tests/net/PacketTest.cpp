#include <gtest/gtest.h>

#include <vector>

#include "game/io/Dik.h"
#include "game/net/Packet.h"

namespace {
PlayerCommand Command(int keysDown, int typed, uint8_t flags, int dx = -7, int dy = 300) {
    PlayerCommand c;
    c.flags = flags;
    c.buttons = PlayerCommand::kButtonLeft | PlayerCommand::kButtonMiddle;
    c.dx = static_cast<int16_t>(dx);
    c.dy = static_cast<int16_t>(dy);
    for (int k = 0; k < keysDown; ++k) c.SetKey((k * 7 + 1) % kKeyCount);
    c.typedCount = static_cast<uint8_t>(typed);
    for (int i = 0; i < typed; ++i) c.typed[i] = static_cast<uint8_t>(0xB0 + i);
    return c;
}

struct CommandCase {
    const char* name;
    PlayerCommand command;
};

// Keys as a list up to 31 down, the whole table above; typed bytes up to the most a frame holds.
const CommandCase kCommands[] = {
    {"Empty", PlayerCommand{}},
    {"MouseOnly", Command(0, 0, PlayerCommand::kMouseRead, -32768, 32767)},
    {"FewKeysAndTyping", Command(3, 5, PlayerCommand::kMouseRead | PlayerCommand::kKeysRead)},
    {"KeyListAtItsLongest", Command(31, 0, PlayerCommand::kKeysRead)},
    {"WholeKeyTable",
     Command(200, PlayerCommand::kMaxTyped, PlayerCommand::kKeysRead | PlayerCommand::kFocusLost)},
};

class CommandRoundTrip : public testing::TestWithParam<CommandCase> {};
} // namespace

TEST_P(CommandRoundTrip, EveryFieldComesBackAndEveryShorterCutIsRefused) {
    uint8_t bytes[256];
    const size_t n = EncodeCommand(GetParam().command, bytes, sizeof bytes);
    ASSERT_GT(n, 0u);
    PlayerCommand back;
    ASSERT_EQ(DecodeCommand(bytes, n, back), n);
    EXPECT_TRUE(back == GetParam().command);
    for (size_t cut = 0; cut < n; ++cut) EXPECT_EQ(DecodeCommand(bytes, cut, back), 0u) << cut;
    EXPECT_EQ(EncodeCommand(GetParam().command, bytes, n - 1), 0u); // a buffer too small writes nothing
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandRoundTrip, testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {
CommandPacket Packet(uint32_t count) {
    CommandPacket p;
    p.firstFrame = 1000;
    p.count = count;
    p.nextWanted = 990;
    p.checkFrame = 976;
    p.checkHash = 0x0123456789ABCDEFull;
    for (uint32_t i = 0; i < count; ++i)
        p.commands[i] = Command(int(i % 4), int(i % 3), PlayerCommand::kKeysRead);
    return p;
}

std::vector<uint8_t> Encoded(const CommandPacket& p) {
    std::vector<uint8_t> bytes(kMaxPacketBytes);
    bytes.resize(EncodeCommandPacket(p, bytes.data(), bytes.size()));
    return bytes;
}

// A change to one byte of a good packet, and whether the packet must then be refused.
struct Spoil {
    const char* name;
    size_t at;
    uint8_t value;
};
const Spoil kSpoils[] = {
    {"WrongMagic", 0, 'Y'},        {"OtherType", 1, uint8_t(PacketType::Desync)},
    {"CountOverTheLimit", 6, 33},  {"UnknownFlag", 23, 0x80},
    {"UnknownButton", 24, 0x40},   {"TooMuchTyping", 29, PlayerCommand::kMaxTyped + 1},
    {"KeyCountInvalid", 30, 0x40},
};
} // namespace

TEST(CommandPacket, RoundTripsAtBothEndsOfItsCount) {
    for (uint32_t count : {0u, 1u, kMaxFramesPerPacket}) {
        const CommandPacket p = Packet(count);
        const std::vector<uint8_t> bytes = Encoded(p);
        ASSERT_FALSE(bytes.empty());
        CommandPacket back;
        ASSERT_TRUE(DecodeCommandPacket(bytes.data(), bytes.size(), back)) << count;
        EXPECT_EQ(back.firstFrame, p.firstFrame);
        EXPECT_EQ(back.count, count);
        EXPECT_EQ(back.nextWanted, p.nextWanted);
        EXPECT_EQ(back.checkFrame, p.checkFrame);
        EXPECT_EQ(back.checkHash, p.checkHash);
        for (uint32_t i = 0; i < count; ++i) EXPECT_TRUE(back.commands[i] == p.commands[i]) << i;
    }
    CommandPacket tooMany = Packet(1);
    tooMany.count = kMaxFramesPerPacket + 1;
    EXPECT_TRUE(Encoded(tooMany).empty());
}

TEST(CommandPacket, HostileBytesAreRefusedWhole) {
    const std::vector<uint8_t> good = Encoded(Packet(1));
    CommandPacket back;
    for (const Spoil& spoil : kSpoils) {
        std::vector<uint8_t> bad = good;
        ASSERT_LT(spoil.at, bad.size());
        bad[spoil.at] = spoil.value;
        EXPECT_FALSE(DecodeCommandPacket(bad.data(), bad.size(), back)) << spoil.name;
    }
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(DecodeCommandPacket(good.data(), cut, back)) << cut;
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(DecodeCommandPacket(longer.data(), longer.size(), back)); // a trailing byte
    std::vector<uint8_t> wraps = good;
    for (size_t i = 2; i < 6; ++i) wraps[i] = 0xFF; // frames past the end of the frame numbers
    EXPECT_FALSE(DecodeCommandPacket(wraps.data(), wraps.size(), back));
}

TEST(HelloPacket, RoundTripsAndRefusesEveryCutAndOversizedFile) {
    Hello h;
    h.version = "1.0.0";
    h.language = "en";
    h.seed = 4242;
    for (int i = 0; i < kSharedSettings; ++i) h.settings[i] = i * 3 - 1;
    h.data = {{"zor.res", 1}, {"07_forest.zor", 0xFFFFFFFFFFFFFFFFull}};
    h.hasRanking = true;
    h.ranking.assign(240, 7);
    const std::vector<uint8_t> bytes = EncodeHello(h);
    Hello back;
    ASSERT_TRUE(DecodeHello(bytes.data(), bytes.size(), back));
    EXPECT_EQ(back.version, h.version);
    EXPECT_EQ(back.language, h.language);
    EXPECT_EQ(back.seed, h.seed);
    EXPECT_EQ(back.settings[kSharedSettings - 1], h.settings[kSharedSettings - 1]);
    EXPECT_EQ(back.data, h.data);
    EXPECT_TRUE(back.hasRanking);
    EXPECT_EQ(back.ranking, h.ranking);
    EXPECT_FALSE(back.hasSavedGame);
    for (size_t cut = 0; cut < bytes.size(); ++cut) EXPECT_FALSE(DecodeHello(bytes.data(), cut, back)) << cut;

    h.savedGame.assign(Hello::kMaxFileBytes + 1, 1);
    h.hasSavedGame = true;
    const std::vector<uint8_t> oversized = EncodeHello(h);
    EXPECT_FALSE(DecodeHello(oversized.data(), oversized.size(), back));
}

TEST(DesyncPacket, CarriesTheWholeState) {
    StateSnapshot s;
    s.frame = 4096;
    for (int i = 0; i < StateSnapshot::kFields; ++i) s.values[i] = i - 13;
    uint8_t bytes[kMaxPacketBytes];
    const size_t n = EncodeDesync(s, bytes, sizeof bytes);
    StateSnapshot back;
    ASSERT_TRUE(DecodeDesync(bytes, n, back));
    EXPECT_TRUE(back == s);
    StateSnapshot cut;
    EXPECT_FALSE(DecodeDesync(bytes, n - 1, cut));
    EXPECT_EQ(StateHash(back), StateHash(s));
    back.values[20] ^= 1; // the random generator's state
    EXPECT_NE(StateHash(back), StateHash(s));
}
