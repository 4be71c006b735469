#include "common/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

constexpr int kMaxLinks = 40; // as the kernel's own limit on links followed in one path
constexpr mode_t kNewFileMode = 0644;

std::string Reason(const std::string& what, const std::string& path, int code) {
    return what + " " + path + ": " + std::strerror(code);
}

// The file a chain of symbolic links ends at; a dangling link names the file a write creates.
bool FollowLinks(const std::string& path, std::string& target, std::string& error) {
    fs::path at = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        std::error_code code;
        if (!fs::is_symlink(fs::symlink_status(at, code))) {
            target = at.string();
            return true;
        }
        const fs::path next = fs::read_symlink(at, code);
        if (code) {
            error = Reason("cannot follow the link", at.string(), code.value());
            return false;
        }
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    error = Reason("cannot follow the link", path, ELOOP);
    return false;
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// Flushes and closes fd whatever happens; the first failure is the one reported.
bool FlushAndClose(int fd, const std::string& path, std::string& error) {
    const bool synced = fsync(fd) == 0;
    const int syncError = errno;
    const bool closed = close(fd) == 0;
    if (synced && closed) return true;
    error = Reason("cannot write", path, synced ? errno : syncError);
    return false;
}

// The temporary file gets the old file's permissions (and its group, where this user may give it), so
// that replacing a file does not change who may read it.
void TakeOldFilesMode(int fd, const std::string& target) {
    struct stat old {};
    if (stat(target.c_str(), &old) != 0) {
        fchmod(fd, kNewFileMode);
        return;
    }
    // A user outside the old file's group cannot give it; the file then keeps this user's group.
    [[maybe_unused]] const int grouped = fchown(fd, uid_t(-1), old.st_gid);
    fchmod(fd, old.st_mode & 07777);
}

enum class TempResult { Written, NoRoom, Failed };

TempResult ReplaceThroughTemporary(const std::string& target, const std::vector<uint8_t>& bytes,
                                   std::string& error) {
    std::string temp = target + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        const int code = errno;
        error = Reason("cannot create a temporary file beside", target, code);
        return code == EACCES || code == EPERM ? TempResult::NoRoom : TempResult::Failed;
    }
    if (!WriteAll(fd, bytes)) {
        error = Reason("cannot write", target, errno);
        close(fd);
        unlink(temp.c_str());
        return TempResult::Failed;
    }
    TakeOldFilesMode(fd, target);
    if (!FlushAndClose(fd, target, error)) {
        unlink(temp.c_str());
        return TempResult::Failed;
    }
    if (rename(temp.c_str(), target.c_str()) != 0) {
        error = Reason("cannot replace", target, errno);
        unlink(temp.c_str());
        return TempResult::Failed;
    }
    return TempResult::Written;
}

// Over the old bytes first and cut to length after, so that a file no shorter than before needs no new
// space on the disk on the way.
bool WriteInPlace(const std::string& target, const std::vector<uint8_t>& bytes, std::string& error) {
    const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        error = Reason("cannot write", target, errno);
        return false;
    }
    if (!WriteAll(fd, bytes) || ftruncate(fd, off_t(bytes.size())) != 0) {
        error = Reason("cannot write", target, errno);
        close(fd);
        return false;
    }
    return FlushAndClose(fd, target, error);
}

Written Write(const std::string& path, const std::vector<uint8_t>& bytes, bool inPlaceAllowed,
              std::string& error) {
    std::string target;
    if (!FollowLinks(path, target, error)) return Written::No;
    const TempResult result = ReplaceThroughTemporary(target, bytes, error);
    if (result == TempResult::Written) return Written::Whole;
    if (result == TempResult::Failed || !inPlaceAllowed) return Written::No;
    if (access(target.c_str(), W_OK) != 0) return Written::No; // nothing to write over: the folder's reason
    return WriteInPlace(target, bytes, error) ? Written::InPlace : Written::No;
}
} // namespace

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
    return Write(path, bytes, false, error) == Written::Whole;
}

Written WriteFileOrInPlace(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
    return Write(path, bytes, true, error);
}
