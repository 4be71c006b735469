#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/io/Command.h"
#include "game/net/StateCheck.h"

// The messages of a network game. Every decoder takes hostile bytes: a packet of the wrong size or with a
// field out of range is refused whole and nothing of it is used.
constexpr uint32_t kNetProtocol = 1;
constexpr size_t kMaxPacketBytes = 4096;
constexpr uint32_t kMaxFramesPerPacket = 32;

enum class PacketType : uint8_t { Commands = 1, Hello = 2, Desync = 3 };

// The type a packet claims, or 0 for one too short to claim any.
uint8_t PacketTypeOf(const uint8_t* data, size_t size);

// A run of one machine's commands: frames firstFrame .. firstFrame + count - 1, sent again until the
// other machine has them, so a lost packet costs no round trip. It also says which of the other's frames
// arrived and carries the sender's latest state check.
struct CommandPacket {
    static constexpr uint32_t kNoCheck = 0xFFFFFFFF;
    uint32_t firstFrame = 0;
    uint32_t count = 0;
    uint32_t nextWanted = 0; // the sender has every frame of the receiver's below this one
    uint32_t checkFrame = kNoCheck;
    uint64_t checkHash = 0;
    PlayerCommand commands[kMaxFramesPerPacket];
};

// The packet's size, or 0 when it does not fit the buffer.
size_t EncodeCommandPacket(const CommandPacket& packet, uint8_t* out, size_t capacity);
bool DecodeCommandPacket(const uint8_t* data, size_t size, CommandPacket& out);

// One command on its own (the command log); the encoded size, 0 when it does not fit.
size_t EncodeCommand(const PlayerCommand& command, uint8_t* out, size_t capacity);
// The bytes the command took, 0 when they do not make one.
size_t DecodeCommand(const uint8_t* data, size_t size, PlayerCommand& out);

// A file of the game's that must be the same on both machines, by name and hash.
struct DataEntry {
    std::string name;
    uint64_t hash = 0;
    bool operator==(const DataEntry&) const = default;
};

// The settings that change how the game plays, in this order: pen speed, relaxed pace, player 1 on keys,
// player 1's five keys, player 2's five keys.
constexpr int kSharedSettings = 13;

// What each machine says when they meet. The host's seed, settings and player files are the game's.
struct Hello {
    static constexpr size_t kMaxText = 64;
    static constexpr size_t kMaxEntries = 512;
    static constexpr size_t kMaxFileBytes = 16384;
    static constexpr size_t kMaxEntryBytes = 1 + 255 + 8;
    // The most a hello can take: its fixed fields, every entry at its longest and both files.
    static constexpr size_t kMaxBytes = kMaxPacketBytes + kMaxEntries * kMaxEntryBytes + 2 * kMaxFileBytes;
    uint32_t protocol = kNetProtocol;
    std::string version;
    std::string language; // "ko" or "en"
    uint32_t seed = 0;
    int32_t settings[kSharedSettings] = {};
    std::vector<DataEntry> data;
    bool hasRanking = false;
    std::vector<uint8_t> ranking;
    bool hasSavedGame = false;
    std::vector<uint8_t> savedGame;
};

std::vector<uint8_t> EncodeHello(const Hello& hello);
bool DecodeHello(const uint8_t* data, size_t size, Hello& out);

// A state check that disagreed: the sender's state at that frame, for the report.
size_t EncodeDesync(const StateSnapshot& state, uint8_t* out, size_t capacity);
bool DecodeDesync(const uint8_t* data, size_t size, StateSnapshot& out);
