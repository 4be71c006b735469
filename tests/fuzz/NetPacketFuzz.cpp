// The network game's packets on hostile bytes: every decoder, and a decoded command packet given to the
// lockstep, which must refuse what cannot be true and never run a frame it lacks. A packet that decodes
// encodes back to the same bytes, so nothing in it was taken that the encoder would not write.
#include <cstring>
#include <vector>

#include "game/net/Lockstep.h"
#include "game/net/Packet.h"
#include "game/shell/CommandLog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CommandPacket packet; // static: too large for the fuzzer's stack frames to repeat
    if (DecodeCommandPacket(data, size, packet)) {
        static uint8_t again[kMaxPacketBytes];
        const size_t n = EncodeCommandPacket(packet, again, sizeof again);
        if (n == 0 || n > size) __builtin_trap();
        Lockstep host(0, 2);
        host.SubmitLocal(PlayerCommand{});
        const bool taken = host.Receive(packet);
        if (!taken && host.Refused() != 1) __builtin_trap();
        FrameCommands frame;
        for (int i = 0; i < 3 && host.Ready(); ++i) host.Take(frame);
        if (host.Frame() > 3) __builtin_trap();
    }
    Hello hello;
    if (DecodeHello(data, size, hello)) {
        const std::vector<uint8_t> again = EncodeHello(hello);
        if (again.size() != size || std::memcmp(again.data(), data, size) != 0) __builtin_trap();
    }
    StateSnapshot state;
    DecodeDesync(data, size, state);
    CommandLog log;
    std::string error;
    log.Decode(std::vector<uint8_t>(data, data + size), error);
    return 0;
}
