#include "platform/enet/EnetLink.h"

#include <arpa/inet.h>
#include <enet/enet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

#include <cstdlib>
#include <cstring>

namespace {
constexpr size_t kChannels = 2;
constexpr uint8_t kReliableChannel = 0;
constexpr uint8_t kCommandChannel = 1;
constexpr uint32_t kWaitStepMs = 100;
constexpr uint32_t kTimeoutLimit = 32; // ENet's count of unanswered sends before the time limits apply

// ENet is set up once for the process and torn down at its end.
bool StartEnet(std::string& error) {
    static const bool started = enet_initialize() == 0 && std::atexit(enet_deinitialize) == 0;
    if (!started) error = "the network library could not be set up";
    return started;
}

void LimitSilence(ENetPeer* peer) {
    enet_peer_timeout(peer, kTimeoutLimit, EnetLink::kSilenceMs, EnetLink::kSilenceMs);
}

// A hostile peer gets no more memory than the largest message of ours needs: ENet's own limits are 32 MiB
// a packet.
ENetHost* MakeHost(const ENetAddress* address) {
    ENetHost* host = enet_host_create(address, 1, kChannels, 0, 0);
    if (host) {
        host->maximumPacketSize = EnetLink::kMaxPacketBytes;
        host->maximumWaitingData = 4 * EnetLink::kMaxPacketBytes;
    }
    return host;
}
} // namespace

EnetLink::EnetLink(ENetHost* host, ENetPeer* peer) : host_(host), peer_(peer) {}

EnetLink::~EnetLink() {
    if (!gone_) {
        enet_peer_disconnect(peer_, 0);
        enet_host_flush(host_);
    }
    enet_host_destroy(host_);
}

std::unique_ptr<EnetLink> EnetLink::Host(uint16_t port, const std::function<bool()>& keepWaiting,
                                         std::string& error) {
    if (!StartEnet(error)) return nullptr;
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    ENetHost* host = MakeHost(&address);
    if (!host) {
        error = "cannot wait on port " + std::to_string(port) + " (is another game using it?)";
        return nullptr;
    }
    ENetEvent event;
    while (keepWaiting()) {
        const int got = enet_host_service(host, &event, kWaitStepMs);
        if (got < 0) break;
        if (got > 0 && event.type == ENET_EVENT_TYPE_CONNECT) {
            LimitSilence(event.peer);
            return std::unique_ptr<EnetLink>(new EnetLink(host, event.peer));
        }
        if (got > 0 && event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
    }
    enet_host_destroy(host);
    error = "no player joined";
    return nullptr;
}

std::unique_ptr<EnetLink> EnetLink::Join(const std::string& hostName, uint16_t port, uint32_t timeoutMs,
                                         std::string& error) {
    if (!StartEnet(error)) return nullptr;
    ENetAddress address{};
    if (enet_address_set_host(&address, hostName.c_str()) != 0) {
        error = "cannot find the computer " + hostName;
        return nullptr;
    }
    address.port = port;
    ENetHost* host = MakeHost(nullptr);
    if (!host) {
        error = "cannot open a network socket";
        return nullptr;
    }
    ENetPeer* peer = enet_host_connect(host, &address, kChannels, 0);
    ENetEvent event;
    for (uint32_t waited = 0; peer && waited < timeoutMs; waited += kWaitStepMs) {
        const int got = enet_host_service(host, &event, kWaitStepMs);
        if (got > 0 && event.type == ENET_EVENT_TYPE_CONNECT) {
            LimitSilence(peer);
            return std::unique_ptr<EnetLink>(new EnetLink(host, peer));
        }
        if (got < 0 || (got > 0 && event.type == ENET_EVENT_TYPE_DISCONNECT)) break;
    }
    enet_host_destroy(host);
    error = "no game answers at " + hostName + ":" + std::to_string(port);
    return nullptr;
}

bool EnetLink::Send(const uint8_t* data, size_t size, bool reliable) {
    if (gone_) return false;
    ENetPacket* packet =
        enet_packet_create(data, size, reliable ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNSEQUENCED);
    if (!packet) return false;
    if (enet_peer_send(peer_, reliable ? kReliableChannel : kCommandChannel, packet) != 0) {
        enet_packet_destroy(packet);
        return false;
    }
    figures_.bytesSent += size;
    enet_host_flush(host_);
    return true;
}

long EnetLink::Receive(uint8_t* buffer, size_t capacity, uint32_t waitMs) {
    if (gone_) return kGone;
    ENetEvent event;
    for (;;) {
        const int got = enet_host_service(host_, &event, waitMs);
        if (got < 0) {
            gone_ = true;
            return kGone;
        }
        if (got == 0) return 0;
        if (event.type == ENET_EVENT_TYPE_DISCONNECT) {
            gone_ = true;
            return kGone;
        }
        if (event.type != ENET_EVENT_TYPE_RECEIVE) continue;
        const size_t size = event.packet->dataLength;
        const bool fits = size <= capacity;
        if (fits) std::memcpy(buffer, event.packet->data, size);
        enet_packet_destroy(event.packet);
        figures_.bytesReceived += size;
        if (fits) return static_cast<long>(size);
        ++figures_.oversized;
    }
}

NetLink::Figures EnetLink::Snapshot() const {
    Figures f = figures_;
    f.roundTripMs = peer_->roundTripTime;
    return f;
}

bool ParseJoinAddress(const std::string& text, std::string& host, uint16_t& port, std::string& error) {
    if (text.empty() || text.front() == '[' || text.find(':') != text.rfind(':')) {
        error = text + ": IPv6 addresses are not supported (the network library speaks IPv4 only)";
        return false;
    }
    const size_t colon = text.find(':');
    host = text.substr(0, colon);
    port = EnetLink::kDefaultPort;
    if (colon == std::string::npos) return !host.empty();
    char* end = nullptr;
    const long n = std::strtol(text.c_str() + colon + 1, &end, 10);
    if (host.empty() || end == text.c_str() + colon + 1 || *end != '\0' || n < 1 || n > 65535) {
        error = text + ": not HOST or HOST:PORT with a port from 1 to 65535";
        return false;
    }
    port = static_cast<uint16_t>(n);
    return true;
}

std::string LocalAddresses() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return "";
    std::string out;
    for (const ifaddrs* a = list; a; a = a->ifa_next) {
        if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET) continue;
        const in_addr address = reinterpret_cast<const sockaddr_in*>(a->ifa_addr)->sin_addr;
        if ((ntohl(address.s_addr) >> 24) == 127) continue;
        char text[INET_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET, &address, text, sizeof text))
            out += (out.empty() ? "" : ", ") + std::string(text);
    }
    freeifaddrs(list);
    return out;
}
