#pragma once
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include <QObject>

#include "codecs/CodecMessages.h"
#include "editor/CMfcappView.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/MessageLog.h"
#include "tests/support/TestFiles.h"

// Runs a test inside a scratch directory, as the editor works in its current directory.
class InScratchDir {
  public:
    InScratchDir() : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir_.Path(""));
    }
    ~InScratchDir() { std::filesystem::current_path(previous_); }
    const TempDir& dir() const { return dir_; }

  private:
    TempDir dir_;
    std::filesystem::path previous_;
};

// What every editor test starts from: a scratch working directory, a fresh view model whose messages (and
// the codecs') are logged. Test classes call StartView() from init() and EndView() from cleanup().
class EditorTestBase : public QObject {
  protected:
    void StartView() {
        scratch = std::make_unique<InScratchDir>();
        log.lines.clear();
        SetCodecMessageBox(&log);
        view = std::make_unique<CMfcappView>(log);
    }
    void EndView() {
        view.reset();
        SetCodecMessageBox(nullptr);
        scratch.reset();
    }

    std::unique_ptr<InScratchDir> scratch;
    MessageLog log;
    std::unique_ptr<CMfcappView> view;
};

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadAll(path);
    return {bytes.begin(), bytes.end()};
}

// Waits up to `seconds` for a file to appear (a started program writes it).
inline bool WaitForFile(const std::string& path, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (std::filesystem::exists(path)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// Child processes of this one that have ended but were never waited for.
inline int ZombieChildren() {
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        const size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        int ppid = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &ppid) == 2 && ppid == getpid() &&
            state == 'Z')
            ++zombies;
    }
    return zombies;
}
