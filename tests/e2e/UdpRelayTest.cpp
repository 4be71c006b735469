// The UDP relay as a child process between two sockets of the test: the client sends numbered datagrams
// through it, the host echoes each one back, and what arrives is held against the relay's settings and stats.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
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

namespace {
using Clock = std::chrono::steady_clock;
constexpr size_t kPayload = 32;
constexpr int kStartTimeoutMs = 10000;

sockaddr_in Loopback(uint16_t port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

// A UDP socket on a free port of 127.0.0.1.
struct Socket {
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    Socket() {
        const sockaddr_in a = Loopback(0);
        bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a);
    }
    ~Socket() { close(fd); }
    uint16_t Port() const {
        sockaddr_in a{};
        socklen_t len = sizeof a;
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
        return ntohs(a.sin_port);
    }
};

// The relay, started with args; port is where it listens (0 when it did not say so in time).
struct RelayProcess {
    pid_t pid = -1;
    unsigned port = 0;

    explicit RelayProcess(std::vector<std::string> args) {
        args.insert(args.begin(), ZOR_UDP_RELAY_BINARY);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        std::string said;
        pollfd readable{out[0], POLLIN, 0};
        char chunk[64];
        ssize_t n = 0;
        while (said.find('\n') == std::string::npos && poll(&readable, 1, kStartTimeoutMs) > 0 &&
               (n = read(out[0], chunk, sizeof chunk)) > 0)
            said.append(chunk, size_t(n));
        close(out[0]);
        std::sscanf(said.c_str(), "relay: listening on %u", &port);
    }
    // Sends SIGTERM and returns the exit code (-1: killed, or not ended within five seconds).
    int Stop() {
        if (pid <= 0) return -1;
        kill(pid, SIGTERM);
        int status = 0;
        for (int tries = 0; tries < 500 && waitpid(pid, &status, WNOHANG) == 0; ++tries) usleep(10000);
        if (kill(pid, 0) == 0 && waitpid(pid, &status, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            status = -1;
        }
        pid = -1;
        return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    ~RelayProcess() { Stop(); }
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
    const sockaddr_in relay = Loopback(uint16_t(relayPort));
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

std::map<std::string, double> ReadStats(const std::string& path) {
    std::map<std::string, double> stats;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (const size_t eq = line.find('='); eq != std::string::npos)
            stats[line.substr(0, eq)] = std::stod(line.substr(eq + 1));
    return stats;
}

bool InOrder(const std::vector<uint32_t>& seqs) {
    return std::is_sorted(seqs.begin(), seqs.end());
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
    RelayProcess relay({"--listen", "0", "--to", "127.0.0.1:" + std::to_string(host.Port()), "--loss",
                        std::to_string(c.loss), "--delay-ms", std::to_string(c.delayMs), "--jitter-ms",
                        std::to_string(c.jitterMs), "--seed", "7", "--stats", stats});
    ASSERT_NE(relay.port, 0u);
    const Traffic t = Exchange(relay.port, client, host, c.packets, 2 * (c.delayMs + c.jitterMs) + 300);
    ASSERT_EQ(relay.Stop(), 0);

    const double toHost = double(t.atHost.size()) / c.packets;
    const double toClient = double(t.atClient.size()) / std::max<double>(1, double(t.atHost.size()));
    for (const double share : {toHost, toClient}) {
        EXPECT_GE(share, c.minShare);
        EXPECT_LE(share, c.maxShare);
    }
    EXPECT_EQ(!(InOrder(t.atHost) && InOrder(t.atClient)), c.reorders);
    EXPECT_GE(t.minRoundTripMs, c.minRoundTripMs);
    EXPECT_LT(t.minRoundTripMs, c.minRoundTripMs + 1000);

    std::map<std::string, double> s = ReadStats(stats);
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

struct CommandCase {
    const char* args;
    int exitCode;
    const char* says;
};

class UdpRelayCommand : public testing::TestWithParam<CommandCase> {};

// Runs the relay to its end and reads what it printed on stdout and stderr.
TEST_P(UdpRelayCommand, ExitsAsArgumentsCallFor) {
    const CommandCase& c = GetParam();
    FILE* out = popen((std::string(ZOR_UDP_RELAY_BINARY) + " " + c.args + " 2>&1").c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string said;
    char chunk[256];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, out)) > 0;) said.append(chunk, n);
    const int status = pclose(out);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, c.exitCode) << said;
    EXPECT_NE(said.find(c.says), std::string::npos) << c.args << ": " << said;
}

INSTANTIATE_TEST_SUITE_P(
    udp_relay, UdpRelayCommand,
    testing::Values(CommandCase{"--listen 0 --to 127.0.0.1:9 --duration-s 0.2", 0, "relay: listening on"},
                    CommandCase{"--to 127.0.0.1:9", 2, "--listen and --to are required"},
                    CommandCase{"--listen 0 --to 127.0.0.1:9 --loss 1.5", 2, "bad value for --loss"},
                    CommandCase{"--listen 0 --to 127.0.0.1:0", 2, "not a port number"},
                    CommandCase{"--listen 0 --to ::1:9", 2, "in brackets"},
                    CommandCase{"--listen 0 --to 127.0.0.1:9 --delay-ms", 2, "--delay-ms needs a value"},
                    CommandCase{"--listen 0 --to 127.0.0.1:9 --speed 3", 2, "unknown option --speed"}));
} // namespace
