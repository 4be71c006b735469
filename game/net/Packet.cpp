#include "game/net/Packet.h"

#include <algorithm>

#include "game/net/Wire.h"

namespace {
constexpr uint32_t kMagic = 'Z';
constexpr uint32_t kKeyListMax = 31; // more keys down than this are sent as the whole table
constexpr uint32_t kWholeTable = 0xFF;
constexpr uint32_t kKnownFlags =
    PlayerCommand::kMouseRead | PlayerCommand::kKeysRead | PlayerCommand::kFocusLost;
constexpr uint32_t kKnownButtons =
    PlayerCommand::kButtonLeft | PlayerCommand::kButtonRight | PlayerCommand::kButtonMiddle;

void Header(WireWriter& w, PacketType type) {
    w.U8(kMagic);
    w.U8(static_cast<uint8_t>(type));
}

bool ReadHeader(WireReader& r, PacketType type) {
    return r.U8() == kMagic && r.U8() == static_cast<uint8_t>(type) && r.ok();
}

int KeysDown(const PlayerCommand& c) {
    int n = 0;
    for (int dik = 0; dik < kKeyCount; ++dik) n += c.KeyDown(dik);
    return n;
}

void WriteCommand(WireWriter& w, const PlayerCommand& c) {
    w.U8(c.flags);
    w.U8(c.buttons);
    w.U16(static_cast<uint16_t>(c.dx));
    w.U16(static_cast<uint16_t>(c.dy));
    w.U8(c.typedCount);
    w.Bytes(c.typed, c.typedCount);
    const int down = KeysDown(c);
    if (down > static_cast<int>(kKeyListMax)) {
        w.U8(kWholeTable);
        w.Bytes(c.keys, sizeof c.keys);
        return;
    }
    w.U8(static_cast<uint32_t>(down));
    for (int dik = 0; dik < kKeyCount; ++dik)
        if (c.KeyDown(dik)) w.U8(static_cast<uint32_t>(dik));
}

bool ReadCommand(WireReader& r, PlayerCommand& c) {
    c = PlayerCommand{};
    const uint32_t flags = r.U8();
    const uint32_t buttons = r.U8();
    c.dx = static_cast<int16_t>(r.U16());
    c.dy = static_cast<int16_t>(r.U16());
    const uint32_t typed = r.U8();
    if (!r.ok() || (flags & ~kKnownFlags) || (buttons & ~kKnownButtons) || typed > PlayerCommand::kMaxTyped)
        return false;
    c.flags = static_cast<uint8_t>(flags);
    c.buttons = static_cast<uint8_t>(buttons);
    c.typedCount = static_cast<uint8_t>(typed);
    if (const uint8_t* bytes = r.Bytes(typed)) std::copy(bytes, bytes + typed, c.typed);
    const uint32_t keys = r.U8();
    if (keys == kWholeTable) {
        if (const uint8_t* table = r.Bytes(sizeof c.keys)) std::copy(table, table + sizeof c.keys, c.keys);
    } else if (keys <= kKeyListMax) {
        for (uint32_t i = 0; i < keys; ++i) c.SetKey(static_cast<int>(r.U8()));
    } else {
        return false;
    }
    return r.ok();
}

void WriteText(WireWriter& w, const std::string& text) {
    w.U8(static_cast<uint32_t>(text.size()));
    w.Bytes(text.data(), text.size());
}

bool ReadText(WireReader& r, std::string& text, size_t limit) {
    const uint32_t n = r.U8();
    const uint8_t* bytes = r.Bytes(n);
    if (!bytes || n > limit) return false;
    text.assign(reinterpret_cast<const char*>(bytes), n);
    return true;
}

void WriteFile(WireWriter& w, bool present, const std::vector<uint8_t>& bytes) {
    w.U8(present ? 1 : 0);
    w.U32(static_cast<uint32_t>(bytes.size()));
    w.Bytes(bytes.data(), bytes.size());
}

bool ReadFile(WireReader& r, bool& present, std::vector<uint8_t>& bytes) {
    const uint32_t flag = r.U8();
    const uint32_t n = r.U32();
    if (!r.ok() || flag > 1 || n > Hello::kMaxFileBytes || (flag == 0 && n != 0)) return false;
    const uint8_t* data = r.Bytes(n);
    if (!data) return false;
    present = flag == 1;
    bytes.assign(data, data + n);
    return true;
}
} // namespace

uint8_t PacketTypeOf(const uint8_t* data, size_t size) {
    return size >= 2 && data[0] == kMagic ? data[1] : 0;
}

size_t EncodeCommand(const PlayerCommand& command, uint8_t* out, size_t capacity) {
    WireWriter w(out, capacity);
    WriteCommand(w, command);
    return w.ok() ? w.size() : 0;
}

size_t DecodeCommand(const uint8_t* data, size_t size, PlayerCommand& out) {
    WireReader r(data, size);
    if (!ReadCommand(r, out)) return 0;
    return size - r.Remaining();
}

size_t EncodeCommandPacket(const CommandPacket& p, uint8_t* out, size_t capacity) {
    if (p.count > kMaxFramesPerPacket) return 0;
    WireWriter w(out, capacity);
    Header(w, PacketType::Commands);
    w.U32(p.firstFrame);
    w.U8(p.count);
    w.U32(p.nextWanted);
    w.U32(p.checkFrame);
    w.U64(p.checkHash);
    for (uint32_t i = 0; i < p.count; ++i) WriteCommand(w, p.commands[i]);
    return w.ok() ? w.size() : 0;
}

bool DecodeCommandPacket(const uint8_t* data, size_t size, CommandPacket& out) {
    WireReader r(data, size);
    if (!ReadHeader(r, PacketType::Commands)) return false;
    out.firstFrame = r.U32();
    out.count = r.U8();
    out.nextWanted = r.U32();
    out.checkFrame = r.U32();
    out.checkHash = r.U64();
    if (!r.ok() || out.count > kMaxFramesPerPacket || out.firstFrame > UINT32_MAX - out.count) return false;
    for (uint32_t i = 0; i < out.count; ++i)
        if (!ReadCommand(r, out.commands[i])) return false;
    return r.AtEnd();
}

std::vector<uint8_t> EncodeHello(const Hello& h) {
    std::vector<uint8_t> out(Hello::kMaxBytes);
    WireWriter w(out.data(), out.size());
    Header(w, PacketType::Hello);
    w.U32(h.protocol);
    WriteText(w, h.version);
    WriteText(w, h.language);
    w.U32(h.seed);
    for (int32_t v : h.settings) w.U32(static_cast<uint32_t>(v));
    w.U16(static_cast<uint32_t>(h.data.size()));
    for (const DataEntry& e : h.data) {
        WriteText(w, e.name);
        w.U64(e.hash);
    }
    WriteFile(w, h.hasRanking, h.ranking);
    WriteFile(w, h.hasSavedGame, h.savedGame);
    out.resize(w.ok() ? w.size() : 0);
    return out;
}

bool DecodeHello(const uint8_t* data, size_t size, Hello& out) {
    WireReader r(data, size);
    if (!ReadHeader(r, PacketType::Hello)) return false;
    out.protocol = r.U32();
    if (!ReadText(r, out.version, Hello::kMaxText) || !ReadText(r, out.language, Hello::kMaxText))
        return false;
    out.seed = r.U32();
    for (int32_t& v : out.settings) v = static_cast<int32_t>(r.U32());
    const uint32_t entries = r.U16();
    if (!r.ok() || entries > Hello::kMaxEntries) return false;
    out.data.assign(entries, DataEntry{});
    for (DataEntry& e : out.data) {
        if (!ReadText(r, e.name, 255)) return false;
        e.hash = r.U64();
    }
    return ReadFile(r, out.hasRanking, out.ranking) && ReadFile(r, out.hasSavedGame, out.savedGame) &&
           r.AtEnd();
}

size_t EncodeDesync(const StateSnapshot& state, uint8_t* out, size_t capacity) {
    WireWriter w(out, capacity);
    Header(w, PacketType::Desync);
    w.U32(state.frame);
    for (int32_t v : state.values) w.U32(static_cast<uint32_t>(v));
    return w.ok() ? w.size() : 0;
}

bool DecodeDesync(const uint8_t* data, size_t size, StateSnapshot& out) {
    WireReader r(data, size);
    if (!ReadHeader(r, PacketType::Desync)) return false;
    out.frame = r.U32();
    for (int32_t& v : out.values) v = static_cast<int32_t>(r.U32());
    return r.AtEnd();
}
