#include "game/gfx/Archive.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include "game/gfx/TempFile.h"

namespace {
constexpr size_t kCopyChunk = 64 * 1024;
constexpr int kSlotOffsetField = 32;
constexpr int kSlotSizeField = 36;
constexpr int kCountSize = 4;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0) close(fd);
    }
};

int32_t ReadLe32(const uint8_t* p) {
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                                uint32_t(p[3]) << 24);
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

std::string_view StoredName(const ArchiveEntry& e) {
    return {e.name, strnlen(e.name, sizeof e.name)};
}

File OpenAt(const std::string& path, int32_t offset) {
    File f(std::fopen(path.c_str(), "rb"));
    if (f && fseeko(f.get(), offset, SEEK_SET) != 0) f.reset();
    return f;
}
} // namespace

int Archive::Open(const std::string& path) {
    path_ = path;
    count_ = 0;
    File f(std::fopen(path.c_str(), "rb"));
    if (!f || fseeko(f.get(), 0, SEEK_END) != 0) return 0;
    const off_t size = ftello(f.get());
    if (size < kDirectorySize || fseeko(f.get(), size - kDirectorySize, SEEK_SET) != 0) return 0;
    std::vector<uint8_t> directory(kDirectorySize);
    if (std::fread(directory.data(), 1, directory.size(), f.get()) != directory.size()) return 0;
    return LoadDirectory(directory.data(), size);
}

int Archive::LoadDirectory(const uint8_t* directory, int64_t fileSize) {
    count_ = 0;
    const int32_t count = ReadLe32(directory);
    if (count < 0 || count > kMaxEntries || fileSize < kDirectorySize) return 0;
    const int64_t dataEnd = fileSize - kDirectorySize;
    for (int i = 0; i < count; ++i) {
        const uint8_t* slot = directory + kCountSize + i * kSlotSize;
        ArchiveEntry& e = entries_[i];
        std::memcpy(e.name, slot, kNameSize);
        e.offset = ReadLe32(slot + kSlotOffsetField);
        e.size = ReadLe32(slot + kSlotSizeField);
        e.usable = e.offset >= 0 && e.size >= 0 && int64_t(e.offset) + e.size <= dataEnd;
    }
    count_ = count;
    return 1;
}

int Archive::FindIndex(std::string_view name) const {
    for (int i = 0; i < count_; ++i)
        if (SameNameNoCase(StoredName(entries_[i]), name)) return i;
    return -1;
}

const ArchiveEntry* Archive::Usable(int index) const {
    if (index < 0 || index >= count_ || !entries_[index].usable) return nullptr;
    return &entries_[index];
}

int Archive::FindOffset(std::string_view name) const {
    return OffsetAt(FindIndex(name));
}

int Archive::FindSize(std::string_view name) const {
    return SizeAt(FindIndex(name));
}

int Archive::OffsetAt(int index) const {
    const ArchiveEntry* e = Usable(index);
    return e ? e->offset : -1;
}

int Archive::SizeAt(int index) const {
    const ArchiveEntry* e = Usable(index);
    return e ? e->size : -1;
}

std::string Archive::NameAt(int index) const {
    if (index < 0 || index >= count_) return "";
    return std::string(StoredName(entries_[index]));
}

const char* Archive::ExtractAt(int index) {
    const ArchiveEntry* e = Usable(index);
    const char* temp = TempFilePath();
    if (!e || !temp) return nullptr;
    File in = OpenAt(path_, e->offset);
    if (!in) return nullptr;
    // The file is made anew for every extraction, so it only ever holds the latest entry.
    unlink(temp);
    FdCloser out{open(temp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600)};
    if (out.fd < 0) return nullptr;
    std::vector<uint8_t> chunk(std::min<size_t>(kCopyChunk, size_t(e->size)));
    for (size_t left = size_t(e->size); left > 0;) {
        const size_t n = std::min(left, chunk.size());
        if (std::fread(chunk.data(), 1, n, in.get()) != n || write(out.fd, chunk.data(), n) != ssize_t(n)) {
            unlink(temp);
            return nullptr;
        }
        left -= n;
    }
    return temp;
}

const char* Archive::Extract(std::string_view name) {
    return ExtractAt(FindIndex(name));
}

void Archive::DeleteTempFile() {
    DeleteTempFileNow();
}

bool Archive::ReadEntryAt(int index, std::vector<uint8_t>& out) const {
    out.clear();
    const ArchiveEntry* e = Usable(index);
    if (!e) return false;
    File in = OpenAt(path_, e->offset);
    if (!in) return false;
    out.resize(size_t(e->size));
    if (std::fread(out.data(), 1, out.size(), in.get()) != out.size()) {
        out.clear();
        return false;
    }
    return true;
}

bool Archive::ReadEntry(std::string_view name, std::vector<uint8_t>& out) const {
    return ReadEntryAt(FindIndex(name), out);
}
