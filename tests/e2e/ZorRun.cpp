#include "tests/e2e/ZorRun.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// The name up to its first dot: a pack and its info files (a.zor, a.dat, a.en.dat) share it.
std::string FirstStem(const fs::path& file) {
    const std::string name = file.filename().string();
    return name.substr(0, name.find('.'));
}

// A pack or one of its info files that the run leaves out.
bool LeftOut(const fs::path& file, const std::vector<std::string>& packs) {
    const std::string ext = file.extension().string();
    if (packs.empty() || (ext != ".zor" && ext != ".dat")) return false;
    for (const std::string& pack : packs)
        if (FirstStem(pack) == FirstStem(file)) return false;
    return true;
}

void LinkData(const fs::path& work, const ZorRunOptions& options) {
    const fs::path data = ZOR_TEST_DATA_DIR;
    if (!fs::is_directory(data)) return;
    for (const auto& entry : fs::directory_iterator(data)) {
        const fs::path name = entry.path().filename();
        // Pairs made by a game played in the data directory would be shared by every run.
        if (name == "zor" || name == "made-pairs" || LeftOut(name, options.packs) ||
            (name == "mid" && !options.tunes.empty()))
            continue;
        fs::create_symlink(entry.path(), work / name);
    }
    if (options.tunes.empty()) return;
    fs::create_directory(work / "mid");
    for (const std::string& tune : options.tunes)
        fs::create_symlink(data / "mid" / tune, work / "mid" / tune);
}

void ParseTrace(const std::string& text, ZorRun& run) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t message = line.find(" message=");
        if (message != std::string::npos) {
            run.messages.push_back(line.substr(message + 9));
            continue;
        }
        std::map<std::string, std::string> fields;
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            const size_t eq = word.find('=');
            if (eq != std::string::npos) fields[word.substr(0, eq)] = word.substr(eq + 1);
        }
        run.frames.push_back(std::move(fields));
    }
}
} // namespace

std::string ZorRun::At(size_t n, const std::string& key) const {
    if (n >= frames.size()) return "";
    auto it = frames[n].find(key);
    return it == frames[n].end() ? "" : it->second;
}

int ZorRun::IntAt(size_t n, const std::string& key) const {
    return std::atoi(At(n, key).c_str());
}

ZorProcess StartZor(const std::string& script, const ZorRunOptions& options) {
    ZorProcess process;
    char pattern[] = "/tmp/zor-e2e-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (!dir) return process;
    process.workDir = dir;
    const fs::path work = dir;
    if (options.withData) LinkData(work, options);
    for (const auto& [name, bytes] : options.files) std::ofstream(work / name, std::ios::binary) << bytes;
    std::ofstream(work / "script.txt") << script;

    // exec: the process started is the game itself, so that a test can stop it.
    std::string command =
        "cd " + Quote(process.workDir) + " && exec env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy";
    command += " XDG_CONFIG_HOME=" + Quote((work / "config").string());
    for (const auto& [key, value] : options.env) command += " " + key + "=" + Quote(value);
    const char* binary = std::getenv("ZOR_E2E_BINARY");
    command += " " + Quote(binary ? binary : ZOR_BINARY) + (options.realTime ? "" : " --replay script.txt") +
               " --trace trace.txt --shots .";
    if (!options.language.empty()) command += " --lang " + Quote(options.language);
    for (const std::string& arg : options.args) command += " " + Quote(arg);
    command += " 2> stderr.txt";
    process.pid = fork();
    if (process.pid == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return process;
}

ZorRun WaitZor(const ZorProcess& process, double timeoutSeconds) {
    ZorRun run;
    run.workDir = process.workDir;
    if (process.pid <= 0) return run;
    int status = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (timeoutSeconds > 0 && waitpid(process.pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) kill(process.pid, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (timeoutSeconds <= 0 && waitpid(process.pid, &status, 0) != process.pid) return run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const fs::path work = process.workDir;
    run.stderrText = ReadAll(work / "stderr.txt");
    ParseTrace(ReadAll(work / "trace.txt"), run);
    return run;
}

ZorRun RunZor(const std::string& script, const ZorRunOptions& options) {
    return WaitZor(StartZor(script, options));
}

uint32_t Picture::At(int x, int y) const {
    const size_t at = (size_t(y) * size_t(width) + size_t(x)) * 3;
    return uint32_t(rgb[at]) << 16 | uint32_t(rgb[at + 1]) << 8 | rgb[at + 2];
}

Picture ReadBmp24(const std::string& path) {
    const std::string f = ReadAll(path);
    constexpr size_t kHeaders = 54;
    const auto le = [&f](size_t at, int bytes) {
        uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uint8_t(f[at + size_t(i)]);
        return v;
    };
    Picture p;
    if (f.size() < kHeaders || f[0] != 'B' || f[1] != 'M' || le(28, 2) != 24 || le(30, 4) != 0) return p;
    const int width = int(le(18, 4)), height = int(le(22, 4));
    const size_t offset = le(10, 4), stride = (size_t(width) * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192 ||
        offset + stride * size_t(height) > f.size())
        return p;
    p.width = width;
    p.height = height;
    p.rgb.resize(size_t(width) * size_t(height) * 3);
    for (int y = 0; y < height; ++y) {
        const char* row = f.data() + offset + stride * size_t(height - 1 - y); // bottom row first
        for (int x = 0; x < width; ++x) {
            uint8_t* out = &p.rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
            out[0] = uint8_t(row[x * 3 + 2]);
            out[1] = uint8_t(row[x * 3 + 1]);
            out[2] = uint8_t(row[x * 3]);
        }
    }
    return p;
}
