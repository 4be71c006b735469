#pragma once
#include <cstddef>
#include <cstdint>

// The connection to the other machine of a network game: whole packets, either reliable and in order or
// unreliable (they may be lost or come out of order), and the figures of the link.
class NetLink {
  public:
    static constexpr long kGone = -1;

    struct Figures {
        uint64_t bytesSent = 0; // packet bytes, without the transport's own
        uint64_t bytesReceived = 0;
        uint32_t roundTripMs = 0;
        uint32_t oversized = 0; // packets larger than the caller's buffer, dropped
    };

    virtual ~NetLink() = default;
    virtual bool Send(const uint8_t* data, size_t size, bool reliable) = 0;
    // The next packet that arrived, waiting up to waitMs for one: its size; 0 when none came; kGone when
    // the other machine left or has stopped answering.
    virtual long Receive(uint8_t* buffer, size_t capacity, uint32_t waitMs) = 0;
    virtual Figures Snapshot() const = 0;
};
