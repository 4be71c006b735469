// The UDP relay as a child process between two sockets of the test: the client sends numbered datagrams
// through it, the host echoes each one back, and what arrives is held against the relay's settings and stats.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "tests/e2e/RelayRun.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr size_t kPayload = 32;

sockaddr_in Loopback(unsigned port) {
    sockaddr_in a{AF_INET, htons(uint16_t(port)), {htonl(INADDR_LOOPBACK)}, {}};
    return a;
}

// A UDP socket on a free port of 127.0.0.1.
struct Socket {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in at = Loopback(0);
    Socket() {
        socklen_t len = sizeof at;
        bind(fd, reinterpret_cast<const sockaddr*>(&at), len);
        getsockname(fd, reinterpret_cast<sockaddr*>(&at), &len);
    }
    ~Socket() { close(fd); }
};

struct Traffic {
    std::vector<uint32_t> atHost;   // sequence numbers as they reached the host
    std::vector<uint32_t> atClient; // and as their echoes came back
    double minRoundTripMs = 1e9;
};

// Sends packets numbered datagrams a millisecond apart, echoes at the host whatever comes, and stops once
// nothing has come for quietMs.
Traffic Exchange(unsigned relayPort, const Socket& client, const Socket& host, int packets, int quietMs) {
    Traffic t;
    std::vector<Clock::time_point> sentAt(static_cast<size_t>(packets));
    char bytes[kPayload] = {};
    uint32_t seq = 0;
    const auto serve = [&](int timeoutMs) {
        pollfd fds[2] = {{host.fd, POLLIN, 0}, {client.fd, POLLIN, 0}};
        if (poll(fds, 2, timeoutMs) <= 0) return false;
        sockaddr_in from{};
        socklen_t len = sizeof from;
        if (fds[0].revents &&
            recvfrom(host.fd, bytes, kPayload, 0, reinterpret_cast<sockaddr*>(&from), &len) > 0) {
            std::memcpy(&seq, bytes, sizeof seq);
            t.atHost.push_back(seq);
            sendto(host.fd, bytes, kPayload, 0, reinterpret_cast<sockaddr*>(&from), len);
        }
        if (fds[1].revents && recv(client.fd, bytes, kPayload, 0) > 0) {
            std::memcpy(&seq, bytes, sizeof seq);
            t.atClient.push_back(seq);
            const std::chrono::duration<double, std::milli> rtt = Clock::now() - sentAt.at(seq);
            t.minRoundTripMs = std::min(t.minRoundTripMs, rtt.count());
        }
        return true;
    };
    const sockaddr_in relay = Loopback(relayPort);
    for (uint32_t i = 0; i < uint32_t(packets); ++i) {
        std::memcpy(bytes, &i, sizeof i);
        sentAt[i] = Clock::now();
        sendto(client.fd, bytes, kPayload, 0, reinterpret_cast<const sockaddr*>(&relay), sizeof relay);
        for (const auto next = sentAt[i] + std::chrono::milliseconds(1); Clock::now() < next;) serve(1);
    }
    while (serve(quietMs)) {
    }
    return t;
}

struct RelayCase {
    const char* name;
    double loss;
    int delayMs, jitterMs, packets;
    double minShare, maxShare; // of the datagrams delivered, in each direction
    double minRoundTripMs;
    bool reorders;
};

class UdpRelayTraffic : public testing::TestWithParam<RelayCase> {};

TEST_P(UdpRelayTraffic, DeliversAsSetAndCountsIt) {
    const RelayCase& c = GetParam();
    const Socket client, host;
    const std::string stats = testing::TempDir() + "udp-relay-" + c.name + "-" + std::to_string(getpid());
    RelayRun relay("--listen 0 --to 127.0.0.1:" + std::to_string(ntohs(host.at.sin_port)) + " --loss " +
                   std::to_string(c.loss) + " --delay-ms " + std::to_string(c.delayMs) + " --jitter-ms " +
                   std::to_string(c.jitterMs) + " --seed 7 --stats " + stats);
    const unsigned port = relay.Port();
    ASSERT_NE(port, 0u);
    const Traffic t = Exchange(port, client, host, c.packets, 2 * (c.delayMs + c.jitterMs) + 300);
    ASSERT_EQ(relay.Stop(), 0);

    for (const double share :
         {double(t.atHost.size()) / c.packets, double(t.atClient.size()) / t.atHost.size()}) {
        EXPECT_GE(share, c.minShare);
        EXPECT_LE(share, c.maxShare);
    }
    const auto inOrder = [](const std::vector<uint32_t>& s) { return std::is_sorted(s.begin(), s.end()); };
    EXPECT_EQ(!(inOrder(t.atHost) && inOrder(t.atClient)), c.reorders);
    EXPECT_GE(t.minRoundTripMs, c.minRoundTripMs);
    EXPECT_LT(t.minRoundTripMs, c.minRoundTripMs + 1000);

    std::map<std::string, double> s;
    std::ifstream in(stats);
    for (std::string key; std::getline(in, key, '=');) in >> s[key] >> std::ws;
    std::remove(stats.c_str());
    EXPECT_EQ(s["forwarded_to_host"], t.atHost.size());
    EXPECT_EQ(s["forwarded_to_client"], t.atClient.size());
    EXPECT_EQ(s["forwarded_to_host"] + s["dropped_to_host"], c.packets);
    EXPECT_EQ(s["forwarded_to_client"] + s["dropped_to_client"], t.atHost.size());
    EXPECT_EQ(s["bytes_to_host"], kPayload * t.atHost.size());
    EXPECT_EQ(s["bytes_to_client"], kPayload * t.atClient.size());
    EXPECT_GT(s["seconds"], 0);
}

INSTANTIATE_TEST_SUITE_P(udp_relay, UdpRelayTraffic,
                         testing::Values(RelayCase{"Clean", 0, 0, 0, 200, 1, 1, 0, false},
                                         RelayCase{"HalfLost", 0.5, 0, 0, 400, 0.35, 0.65, 0, false},
                                         RelayCase{"Delayed", 0, 100, 0, 20, 1, 1, 200, false},
                                         RelayCase{"Jittered", 0, 0, 40, 100, 1, 1, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
