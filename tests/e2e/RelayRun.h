#pragma once
// The test relay (zor_udp_relay) as a child process of a test.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>

// The relay, run by a shell that prints its process number and then becomes the relay.
struct RelayRun {
    FILE* out;
    pid_t pid;

    explicit RelayRun(const std::string& args)
        : out(popen(("echo $$; exec " + std::string(ZOR_UDP_RELAY_BINARY) + " " + args).c_str(), "r")),
          pid(std::atoi(Line().c_str())) {}
    ~RelayRun() { Stop(); }
    std::string Line() {
        char line[256] = {};
        return out && std::fgets(line, sizeof line, out) ? line : "";
    }
    // The port it says it listens on; 0 when it did not start.
    unsigned Port() {
        unsigned port = 0;
        return std::sscanf(Line().c_str(), "relay: listening on %u", &port) == 1 ? port : 0;
    }
    // Sends SIGTERM and returns the exit code; -1 when a signal ended it.
    int Stop() {
        if (!out) return -1;
        if (pid > 0) kill(pid, SIGTERM);
        const int status = pclose(out);
        out = nullptr;
        return status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};
