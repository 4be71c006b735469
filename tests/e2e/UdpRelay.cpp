// A UDP relay for the network tests. It stands between two game processes on one machine and spoils their
// traffic as a poor link does: each datagram is dropped, or held back by a delay and a random jitter (which
// reorders them), the same way on every run with the same seed. The first address that sends to the
// listening socket is the client; the relay forwards its datagrams to the host from a socket of its own and
// the host's answers to that socket back to the client.
#include "common/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <queue>
#include <random>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

constexpr size_t kMaxDatagram = 65536;
constexpr size_t kMaxQueued = 4096;  // datagrams held back at once; more are dropped
constexpr long kMaxDelayMs = 600000; // ten minutes: a longer delay is a slip of the keyboard
constexpr double kMaxDurationS = 1e6;
constexpr int kBurst = 64; // datagrams read from one socket before the due ones are sent again
constexpr int kExitFailure = 1;
constexpr int kExitBadArguments = 2;
constexpr const char* kDefaultListenHost = "127.0.0.1";

constexpr const char* kUsage =
    "usage: zor_udp_relay --listen [HOST:]PORT --to HOST:PORT [--loss FRACTION] [--delay-ms MS]\n"
    "                     [--jitter-ms MS] [--seed N] [--stats FILE] [--duration-s S]\n"
    "  HOST may be an IPv6 address in brackets ([::1]:7000); --listen PORT binds 127.0.0.1, PORT 0 any free "
    "port\n";

struct Options {
    std::string listen;
    std::string to;
    double loss = 0;
    long delayMs = 0;
    long jitterMs = 0;
    uint32_t seed = 1;
    std::string statsPath; // empty: no stats file
    double durationS = 0;  // 0: until SIGTERM or SIGINT
};

struct Endpoint {
    sockaddr_storage addr{};
    socklen_t len = sizeof(sockaddr_storage);

    const sockaddr* Raw() const { return reinterpret_cast<const sockaddr*>(&addr); }
    sockaddr* Raw() { return reinterpret_cast<sockaddr*>(&addr); }
};

// Family, address and port; the padding of the structures is not compared.
bool SameEndpoint(const Endpoint& a, const Endpoint& b) {
    if (a.addr.ss_family != b.addr.ss_family) return false;
    if (a.addr.ss_family == AF_INET) {
        const auto& x = reinterpret_cast<const sockaddr_in&>(a.addr);
        const auto& y = reinterpret_cast<const sockaddr_in&>(b.addr);
        return x.sin_port == y.sin_port && x.sin_addr.s_addr == y.sin_addr.s_addr;
    }
    const auto& x = reinterpret_cast<const sockaddr_in6&>(a.addr);
    const auto& y = reinterpret_cast<const sockaddr_in6&>(b.addr);
    return x.sin6_port == y.sin6_port && std::memcmp(&x.sin6_addr, &y.sin6_addr, sizeof x.sin6_addr) == 0 &&
           x.sin6_scope_id == y.sin6_scope_id;
}

unsigned PortOf(const Endpoint& e) {
    return e.addr.ss_family == AF_INET ? ntohs(reinterpret_cast<const sockaddr_in&>(e.addr).sin_port)
                                       : ntohs(reinterpret_cast<const sockaddr_in6&>(e.addr).sin6_port);
}

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) close(fd_);
    }
    int Get() const { return fd_; }

  private:
    int fd_;
};

// ---- the command line ----

bool ParseWhole(const std::string& text, long low, long high, long& value) {
    if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ') return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < low || v > high) return false;
    value = long(v);
    return true;
}

bool ParseFraction(const std::string& text, double low, double high, double& value) {
    if (text.empty() || text[0] == ' ') return false;
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(text.c_str(), &end);
    // The negated test also turns away NaN.
    if (errno != 0 || *end != '\0' || !(v >= low && v <= high)) return false;
    value = v;
    return true;
}

// "PORT" (on defaultHost when it is given), "HOST:PORT" or "[IPV6]:PORT"; the host may be a name only
// where names are allowed. Port 0 only where allowZeroPort.
bool ParseEndpoint(const std::string& text, const char* defaultHost, bool allowNames, bool allowZeroPort,
                   Endpoint& endpoint, std::string& error) {
    std::string host, port;
    if (defaultHost && text.find(':') == std::string::npos) {
        host = defaultHost;
        port = text;
    } else if (!text.empty() && text[0] == '[') {
        const size_t close = text.find("]:");
        if (close == std::string::npos) return error = "expected [ADDRESS]:PORT, not '" + text + "'", false;
        host = text.substr(1, close - 1);
        port = text.substr(close + 2);
    } else {
        const size_t colon = text.find(':');
        if (colon == std::string::npos || text.find(':', colon + 1) != std::string::npos)
            return error = "expected HOST:PORT (an IPv6 address in brackets), not '" + text + "'", false;
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    long number = 0;
    if (!ParseWhole(port, allowZeroPort ? 0 : 1, 65535, number))
        return error = "not a port number: '" + port + "'", false;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = AI_NUMERICSERV | (allowNames ? 0 : AI_NUMERICHOST);
    addrinfo* found = nullptr;
    const int code = getaddrinfo(host.c_str(), port.c_str(), &hints, &found);
    if (code != 0 || !found) return error = "cannot use address '" + host + "': " + gai_strerror(code), false;
    std::memcpy(&endpoint.addr, found->ai_addr, found->ai_addrlen);
    endpoint.len = found->ai_addrlen;
    freeaddrinfo(found);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) return error = flag + " needs a value", false;
        const std::string value = argv[++i];
        long whole = 0;
        bool good = true;
        if (flag == "--listen") {
            options.listen = value;
        } else if (flag == "--to") {
            options.to = value;
        } else if (flag == "--loss") {
            good = ParseFraction(value, 0, 1, options.loss);
        } else if (flag == "--delay-ms") {
            good = ParseWhole(value, 0, kMaxDelayMs, options.delayMs);
        } else if (flag == "--jitter-ms") {
            good = ParseWhole(value, 0, kMaxDelayMs, options.jitterMs);
        } else if (flag == "--seed") {
            good = ParseWhole(value, 0, long(UINT32_MAX), whole);
            options.seed = uint32_t(whole);
        } else if (flag == "--stats") {
            options.statsPath = value;
            good = !value.empty();
        } else if (flag == "--duration-s") {
            good = ParseFraction(value, 0, kMaxDurationS, options.durationS) && options.durationS > 0;
        } else {
            return error = "unknown option " + flag, false;
        }
        if (!good) return error = "bad value for " + flag + ": '" + value + "'", false;
    }
    if (options.listen.empty() || options.to.empty()) return error = "--listen and --to are required", false;
    return true;
}

// ---- stopping on a signal ----

// The write end of a pipe the signal handler writes to, so that poll() wakes however late the signal comes.
int gSignalPipe = -1;

void OnStopSignal(int) {
    const int saved = errno;
    const char byte = 1;
    const ssize_t written = write(gSignalPipe, &byte, 1);
    (void)written; // a full pipe already holds a wake-up
    errno = saved;
}

bool CatchStopSignals(int fds[2], std::string& error) {
    if (pipe(fds) != 0) return error = std::string("pipe: ") + std::strerror(errno), false;
    for (int i = 0; i < 2; ++i) fcntl(fds[i], F_SETFL, fcntl(fds[i], F_GETFL) | O_NONBLOCK);
    gSignalPipe = fds[1];
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    return true;
}

// ---- the relay ----

enum Direction { kToHost = 0, kToClient = 1 };

struct Tally {
    uint64_t forwarded = 0;
    uint64_t dropped = 0;
    uint64_t bytes = 0; // of the datagrams forwarded
};

struct Pending {
    Clock::time_point due;
    uint64_t order; // arrival order: datagrams due at the same time leave as they came
    Direction direction;
    std::vector<char> bytes;
};

struct LeavesLater {
    bool operator()(const Pending& a, const Pending& b) const {
        return a.due != b.due ? a.due > b.due : a.order > b.order;
    }
};

class Relay {
  public:
    Relay(const Options& options, int clientSide, int hostSide, const Endpoint& host)
        : clientSide_(clientSide), hostSide_(hostSide), host_(host), delay_(options.delayMs),
          jitterSpan_(uint32_t(options.jitterMs) + 1), random_(options.seed),
          // loss 1 makes a threshold above every 32-bit draw, so everything is dropped.
          lossThreshold_(uint64_t(options.loss * 4294967296.0)), buffer_(kMaxDatagram) {}

    // Reads what has come in on one side (at most a burst, so that due datagrams are not held up).
    void Receive(Direction direction, Clock::time_point now) {
        const int fd = direction == kToHost ? clientSide_ : hostSide_;
        for (int i = 0; i < kBurst; ++i) {
            Endpoint from;
            const ssize_t n =
                recvfrom(fd, buffer_.data(), buffer_.size(), MSG_DONTWAIT, from.Raw(), &from.len);
            if (n < 0) return;
            if (!FromPeer(direction, from)) continue;
            Admit(direction, size_t(n), now);
        }
    }

    void SendDue(Clock::time_point now) {
        while (!queue_.empty() && queue_.top().due <= now) {
            const Pending& p = queue_.top();
            const bool toHost = p.direction == kToHost;
            const Endpoint& to = toHost ? host_ : *client_;
            const ssize_t sent = sendto(toHost ? hostSide_ : clientSide_, p.bytes.data(), p.bytes.size(),
                                        MSG_DONTWAIT, to.Raw(), to.len);
            Tally& tally = tallies_[p.direction];
            if (sent == ssize_t(p.bytes.size())) {
                ++tally.forwarded;
                tally.bytes += p.bytes.size();
            } else {
                ++tally.dropped; // a full socket buffer or a peer gone: lost as on a real link
            }
            queue_.pop();
        }
    }

    // Milliseconds until the next datagram is due, rounded up; -1 when none waits.
    long WaitMs(Clock::time_point now) const {
        if (queue_.empty()) return -1;
        return std::max<long>(0, std::chrono::ceil<Milliseconds>(queue_.top().due - now).count());
    }

    // Datagrams still held back at the end were never delivered: they count as dropped, so that forwarded
    // and dropped add up to what came in.
    void DropHeldBack() {
        for (; !queue_.empty(); queue_.pop()) ++tallies_[queue_.top().direction].dropped;
    }

    std::string Stats(double seconds) const {
        char text[512];
        std::snprintf(text, sizeof text,
                      "forwarded_to_host=%llu\nforwarded_to_client=%llu\ndropped_to_host=%llu\n"
                      "dropped_to_client=%llu\nbytes_to_host=%llu\nbytes_to_client=%llu\nseconds=%.3f\n",
                      Ull(tallies_[kToHost].forwarded), Ull(tallies_[kToClient].forwarded),
                      Ull(tallies_[kToHost].dropped), Ull(tallies_[kToClient].dropped),
                      Ull(tallies_[kToHost].bytes), Ull(tallies_[kToClient].bytes), seconds);
        return text;
    }

  private:
    static unsigned long long Ull(uint64_t v) { return static_cast<unsigned long long>(v); }

    // The first sender on the listening side becomes the client; other senders there, and anyone but the
    // host on the host side, are ignored.
    bool FromPeer(Direction direction, const Endpoint& from) {
        if (direction == kToClient) return SameEndpoint(from, host_);
        if (!client_) client_ = from;
        return SameEndpoint(from, *client_);
    }

    void Admit(Direction direction, size_t size, Clock::time_point now) {
        // Two draws for every datagram, lost or not, so one seed gives one sequence of fates.
        const bool lost = random_() < lossThreshold_;
        const uint32_t jitter = random_() % jitterSpan_;
        if (lost || queue_.size() >= kMaxQueued) {
            ++tallies_[direction].dropped;
            return;
        }
        queue_.push(Pending{now + delay_ + Milliseconds(jitter), nextOrder_++, direction,
                            std::vector<char>(buffer_.begin(), buffer_.begin() + long(size))});
    }

    const int clientSide_;
    const int hostSide_;
    const Endpoint host_;
    std::optional<Endpoint> client_;
    const Milliseconds delay_;
    const uint32_t jitterSpan_;
    std::mt19937 random_;
    const uint64_t lossThreshold_;
    std::vector<char> buffer_;
    std::priority_queue<Pending, std::vector<Pending>, LeavesLater> queue_;
    uint64_t nextOrder_ = 0;
    Tally tallies_[2];
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "zor_udp_relay: %s\n", message.c_str());
    return kExitFailure;
}

// Runs until a stop signal or the deadline; false when poll fails.
bool Run(Relay& relay, int clientSide, int hostSide, int signalRead,
         std::optional<Clock::time_point> deadline) {
    for (;;) {
        const Clock::time_point now = Clock::now();
        relay.SendDue(now);
        if (deadline && now >= *deadline) return true;
        long wait = relay.WaitMs(now);
        if (deadline) {
            const long left = std::chrono::ceil<Milliseconds>(*deadline - now).count();
            wait = wait < 0 ? left : std::min(wait, left);
        }
        pollfd fds[3] = {{clientSide, POLLIN, 0}, {hostSide, POLLIN, 0}, {signalRead, POLLIN, 0}};
        if (poll(fds, 3, int(std::min<long>(wait, INT_MAX))) < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (fds[2].revents) return true;
        const Clock::time_point arrived = Clock::now();
        if (fds[0].revents) relay.Receive(kToHost, arrived);
        if (fds[1].revents) relay.Receive(kToClient, arrived);
    }
}
} // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error;
    Endpoint listenAt, host;
    if (!ParseOptions(argc, argv, options, error) ||
        !ParseEndpoint(options.listen, kDefaultListenHost, false, true, listenAt, error) ||
        !ParseEndpoint(options.to, nullptr, true, false, host, error)) {
        std::fprintf(stderr, "zor_udp_relay: %s\n%s", error.c_str(), kUsage);
        return kExitBadArguments;
    }
    int signalPipe[2];
    if (!CatchStopSignals(signalPipe, error)) return Fail(error);
    const Fd signalRead(signalPipe[0]), signalWrite(signalPipe[1]);

    const Fd clientSide(socket(listenAt.addr.ss_family, SOCK_DGRAM, 0));
    const Fd hostSide(socket(host.addr.ss_family, SOCK_DGRAM, 0));
    if (clientSide.Get() < 0 || hostSide.Get() < 0)
        return Fail(std::string("socket: ") + std::strerror(errno));
    if (bind(clientSide.Get(), listenAt.Raw(), listenAt.len) != 0)
        return Fail("cannot listen on " + options.listen + ": " + std::strerror(errno));
    Endpoint bound;
    getsockname(clientSide.Get(), bound.Raw(), &bound.len);
    std::printf("relay: listening on %u\n", PortOf(bound));
    std::fflush(stdout);

    const Clock::time_point start = Clock::now();
    std::optional<Clock::time_point> deadline;
    if (options.durationS > 0)
        deadline = start + std::chrono::duration_cast<Clock::duration>(
                               std::chrono::duration<double>(options.durationS));
    Relay relay(options, clientSide.Get(), hostSide.Get(), host);
    if (!Run(relay, clientSide.Get(), hostSide.Get(), signalRead.Get(), deadline))
        return Fail(std::string("poll: ") + std::strerror(errno));
    relay.DropHeldBack();

    if (!options.statsPath.empty()) {
        const std::string stats = relay.Stats(std::chrono::duration<double>(Clock::now() - start).count());
        if (!WriteFileAtomically(options.statsPath, std::vector<uint8_t>(stats.begin(), stats.end()), error))
            return Fail(error);
    }
    return 0;
}
