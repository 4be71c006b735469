#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/NetLink.h"

struct _ENetHost;
struct _ENetPeer;

// The network game's link over ENet: one peer, a reliable channel for the meeting and the reports, an
// unsequenced one for the commands. ENet drops a peer that answers nothing for kSilenceMs.
class EnetLink : public NetLink {
  public:
    static constexpr uint16_t kDefaultPort = 5029;
    static constexpr uint32_t kSilenceMs = 5000;
    static constexpr size_t kMaxPacketBytes = 256 * 1024; // above the largest hello

    // Waits on every IPv4 address of the machine for one guest; keepWaiting is asked once the port is open
    // and between waits.
    static std::unique_ptr<EnetLink> Host(uint16_t port, const std::function<bool()>& keepWaiting,
                                          std::string& error);
    // Connects to a host, by name or IPv4 address.
    static std::unique_ptr<EnetLink> Join(const std::string& host, uint16_t port, uint32_t timeoutMs,
                                          std::string& error);
    ~EnetLink() override;
    EnetLink(const EnetLink&) = delete;
    EnetLink& operator=(const EnetLink&) = delete;

    bool Send(const uint8_t* data, size_t size, bool reliable) override;
    long Receive(uint8_t* buffer, size_t capacity, uint32_t waitMs) override;
    Figures Snapshot() const override;

  private:
    EnetLink(_ENetHost* host, _ENetPeer* peer);
    _ENetHost* host_;
    _ENetPeer* peer_;
    bool gone_ = false;
    Figures figures_;
};

// This machine's IPv4 addresses other than loopback, comma-separated ("" when it has none): what the
// other player types after --join.
std::string LocalAddresses();

// "HOST", "HOST:PORT"; false with the reason for an address the link cannot use (IPv6 among them).
bool ParseJoinAddress(const std::string& text, std::string& host, uint16_t& port, std::string& error);
