#include "game/gfx/PictureSource.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "game/gfx/Archive.h"

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Opens the picture's bytes at their first byte; size is their length.
std::unique_ptr<std::FILE, FileCloser> OpenPicture(const Archive* archive, const char* name, int64_t& size) {
    std::unique_ptr<std::FILE, FileCloser> f;
    if (archive) {
        const int offset = archive->FindOffset(name);
        size = archive->FindSize(name);
        if (offset < 0) return f;
        f.reset(std::fopen(archive->Path().c_str(), "rb"));
        if (f && fseeko(f.get(), offset, SEEK_SET) != 0) f.reset();
        return f;
    }
    f.reset(std::fopen(name, "rb"));
    if (!f || fseeko(f.get(), 0, SEEK_END) != 0 || (size = ftello(f.get())) < 0 ||
        fseeko(f.get(), 0, SEEK_SET) != 0)
        f.reset();
    return f;
}

bool ReadUpTo(const Archive* archive, const char* name, size_t limit, bool wholeOnly,
              std::vector<uint8_t>& out) {
    out.clear();
    int64_t size = 0;
    auto f = OpenPicture(archive, name, size);
    if (!f || (wholeOnly && uint64_t(size) > limit)) return false;
    out.resize(std::min<uint64_t>(uint64_t(size), limit));
    if (std::fread(out.data(), 1, out.size(), f.get()) != out.size()) {
        out.clear();
        return false;
    }
    return true;
}
} // namespace

bool ReadPictureBytes(const Archive* archive, const char* name, std::vector<uint8_t>& out) {
    return ReadUpTo(archive, name, kMaxPictureBytes, true, out);
}

bool ReadPictureHead(const Archive* archive, const char* name, size_t count, std::vector<uint8_t>& out) {
    return ReadUpTo(archive, name, count, false, out);
}
