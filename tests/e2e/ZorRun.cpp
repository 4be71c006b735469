#include "tests/e2e/ZorRun.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
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

// A pack or its info file that the run leaves out.
bool LeftOut(const fs::path& file, const std::vector<std::string>& packs) {
    const std::string ext = file.extension().string();
    if (packs.empty() || (ext != ".zor" && ext != ".dat")) return false;
    for (const std::string& pack : packs)
        if (fs::path(pack).stem() == file.stem()) return false;
    return true;
}

void LinkData(const fs::path& work, const std::vector<std::string>& packs) {
    const fs::path data = ZOR_TEST_DATA_DIR;
    if (!fs::is_directory(data)) return;
    for (const auto& entry : fs::directory_iterator(data)) {
        const fs::path name = entry.path().filename();
        if (name == "zor" || LeftOut(name, packs)) continue;
        fs::create_symlink(entry.path(), work / name);
    }
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

ZorRun RunZor(const std::string& script, const ZorRunOptions& options) {
    ZorRun run;
    char pattern[] = "/tmp/zor-e2e-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (!dir) return run;
    run.workDir = dir;
    const fs::path work = dir;
    if (options.withData) LinkData(work, options.packs);
    for (const auto& [name, bytes] : options.files) std::ofstream(work / name, std::ios::binary) << bytes;
    std::ofstream(work / "script.txt") << script;

    std::string command = "cd " + Quote(run.workDir) + " && env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy";
    for (const auto& [key, value] : options.env) command += " " + key + "=" + Quote(value);
    command += " " + Quote(ZOR_BINARY) + " --replay script.txt --trace trace.txt --shots .";
    for (const std::string& arg : options.args) command += " " + Quote(arg);
    command += " 2> stderr.txt";
    const int status = std::system(command.c_str());
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.stderrText = ReadAll(work / "stderr.txt");
    ParseTrace(ReadAll(work / "trace.txt"), run);
    return run;
}
