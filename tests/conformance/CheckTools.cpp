#include "tests/conformance/CheckTools.h"

#include <algorithm>
#include <cctype>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include "tests/support/TestFiles.h"

extern char** environ;

int Run(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) < 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

bool ReadPnm(const std::string& path, Pnm& out) {
    const std::vector<uint8_t> f = ReadAll(path);
    size_t pos = 2;
    auto number = [&](int& value) {
        while (pos < f.size() && (std::isspace(f[pos]) || f[pos] == '#')) {
            if (f[pos] == '#')
                while (pos < f.size() && f[pos] != '\n') ++pos;
            else
                ++pos;
        }
        value = 0;
        bool any = false;
        while (pos < f.size() && std::isdigit(f[pos]) && value < 100000) {
            value = value * 10 + (f[pos++] - '0');
            any = true;
        }
        return any;
    };
    if (f.size() < 3 || f[0] != 'P' || (f[1] != '5' && f[1] != '6')) return false;
    const int channels = f[1] == '6' ? 3 : 1;
    int maxval = 0;
    if (!number(out.width) || !number(out.height) || !number(maxval) || maxval != 255) return false;
    ++pos;
    const size_t samples = size_t(out.width) * out.height * channels;
    if (f.size() - std::min(pos, f.size()) < samples) return false;
    out.rgb.clear();
    for (size_t i = 0; i < samples; i += channels)
        for (int c = 0; c < 3; ++c) out.rgb.push_back(f[pos + i + (channels == 3 ? c : 0)]);
    return true;
}

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

std::string FirstMessage(const MessageLog& log) {
    return log.lines.empty() ? "no message" : OneLine(log.lines.front());
}

uint32_t Le(const std::vector<uint8_t>& f, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | (at + i < f.size() ? f[at + i] : 0);
    return v;
}

std::string SizeText(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}
