#include "game/gfx/TempFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr const char* kFallbackTempDir = "/tmp";
constexpr const char* kTempPrefix = "tempfile";
constexpr int kMaxTempNumber = 10000;

bool IsDirectory(const char* path) {
    struct stat st {};
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// Owns the private directory and the file in it; both are removed when the program ends.
class TempFile {
  public:
    ~TempFile() {
        if (!path_.empty()) unlink(path_.c_str());
        if (!dir_.empty()) rmdir(dir_.c_str());
    }
    const char* Path() {
        if (!tried_) Make();
        return path_.empty() ? nullptr : path_.c_str();
    }

  private:
    void Make() {
        tried_ = true;
        const char* base = std::getenv("TMPDIR");
        if (!base || !*base || !IsDirectory(base)) base = kFallbackTempDir;
        std::string pattern = std::string(base) + "/zor-XXXXXX";
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (!mkdtemp(buffer.data())) return;
        dir_ = buffer.data();
        // The first number for which no file exists, claimed with O_EXCL so nothing else can take it.
        for (int n = 0; n < kMaxTempNumber; ++n) {
            std::string candidate = dir_ + "/" + kTempPrefix + std::to_string(n);
            const int fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd >= 0) {
                close(fd);
                path_ = std::move(candidate);
                return;
            }
            if (errno != EEXIST) return;
        }
    }

    bool tried_ = false;
    std::string dir_;
    std::string path_;
};

TempFile& Instance() {
    static TempFile temp;
    return temp;
}
} // namespace

const char* TempFilePath() {
    return Instance().Path();
}

void DeleteTempFileNow() {
    if (const char* path = TempFilePath()) unlink(path);
}
