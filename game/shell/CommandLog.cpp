#include "game/shell/CommandLog.h"

#include <cstring>
#include <fstream>

#include "common/AtomicFile.h"
#include "game/net/Packet.h"
#include "game/shell/Globals.h"

namespace {
constexpr char kMagic[] = "ZORCMDS1";
constexpr size_t kMagicBytes = sizeof kMagic - 1;
constexpr size_t kCommandBytes = 128; // the most one encoded command takes
} // namespace

bool CommandLog::Save(const std::string& path, std::string& error) const {
    std::vector<uint8_t> bytes(kMagic, kMagic + kMagicBytes);
    uint8_t one[kCommandBytes];
    for (const FrameCommands& frame : frames_)
        for (const PlayerCommand& command : frame.seat) {
            const size_t n = EncodeCommand(command, one, sizeof one);
            bytes.insert(bytes.end(), one, one + n);
        }
    return WriteFileAtomically(path, bytes, error);
}

bool CommandLog::Load(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::vector<uint8_t> bytes(kMaxFileBytes + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.size() > kMaxFileBytes) {
        error = path + " is larger than a command log can be";
        return false;
    }
    if (!Decode(bytes, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool CommandLog::Decode(const std::vector<uint8_t>& bytes, std::string& error) {
    frames_.clear();
    if (bytes.size() < kMagicBytes || std::memcmp(bytes.data(), kMagic, kMagicBytes) != 0) {
        error = "not a command log";
        return false;
    }
    for (size_t at = kMagicBytes; at < bytes.size();) {
        FrameCommands frame;
        for (PlayerCommand& command : frame.seat) {
            const size_t n = DecodeCommand(bytes.data() + at, bytes.size() - at, command);
            if (n == 0) {
                error = "frame " + std::to_string(frames_.size()) + " cannot be read";
                frames_.clear();
                return false;
            }
            at += n;
        }
        frames_.push_back(frame);
    }
    return true;
}

void LogFeed::Exchange(const PlayerCommand&, FrameCommands& out) {
    if (next_ < log_.Frames()) {
        out = log_.At(next_++);
        return;
    }
    out = FrameCommands{};
    PostClose();
}
