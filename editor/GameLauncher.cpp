#include "editor/GameLauncher.h"

#include <cerrno>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {
constexpr const char* kGameName = "zor";

// Waits for the game on a thread of its own, which does nothing else, so the editor never blocks on it.
void Reap(pid_t pid) {
    std::thread([pid] {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}
} // namespace

int StartGame(const std::string& mapPath, const std::string& programDir) {
    const std::string beside = programDir.empty() ? std::string() : programDir + "/" + kGameName;
    struct stat info {};
    const bool hasBeside = !beside.empty() && stat(beside.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                           access(beside.c_str(), X_OK) == 0;
    std::string program = hasBeside ? beside : kGameName;
    std::string argument = mapPath;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = 0;
    const int error = hasBeside ? posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ)
                                : posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ);
    if (error != 0) return error;
    Reap(pid);
    return 0;
}
