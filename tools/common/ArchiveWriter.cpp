#include "tools/common/ArchiveWriter.h"

#include <cstring>
#include <strings.h>

#include "common/AtomicFile.h"

namespace {
constexpr uint64_t kMaxArchiveBytes = 0x7FFFFFFF;

void PutLe32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
} // namespace

bool ArchiveWriter::Add(const std::string& name, const std::vector<uint8_t>& bytes) {
    if (name.empty() || name.size() > kMaxNameLength) {
        error_ = "entry name '" + name + "' must be 1 to 31 bytes long";
        return false;
    }
    if (name.find('\0') != std::string::npos) {
        error_ = "entry name holds a zero byte";
        return false;
    }
    if (names_.size() >= size_t(kMaxEntries)) {
        error_ = "an archive holds at most 500 entries";
        return false;
    }
    for (const std::string& existing : names_) {
        if (strcasecmp(existing.c_str(), name.c_str()) == 0) {
            error_ = "duplicate entry name '" + name + "' (names are compared without regard to case)";
            return false;
        }
    }
    if (total_ + bytes.size() + kDirectorySize > kMaxArchiveBytes) {
        error_ = "the archive would exceed 2 GiB";
        return false;
    }
    names_.push_back(name);
    data_.push_back(bytes);
    total_ += bytes.size();
    return true;
}

std::vector<uint8_t> ArchiveWriter::Build() const {
    std::vector<uint8_t> out;
    out.reserve(size_t(total_) + kDirectorySize);
    std::vector<uint32_t> offsets;
    for (const auto& bytes : data_) {
        offsets.push_back(static_cast<uint32_t>(out.size()));
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    const size_t dir = out.size();
    out.resize(dir + kDirectorySize, 0);
    PutLe32(out, dir, static_cast<uint32_t>(names_.size()));
    for (size_t i = 0; i < names_.size(); ++i) {
        const size_t slot = dir + 4 + i * 40;
        std::memcpy(&out[slot], names_[i].data(), names_[i].size());
        PutLe32(out, slot + 32, offsets[i]);
        PutLe32(out, slot + 36, static_cast<uint32_t>(data_[i].size()));
    }
    return out;
}

bool ArchiveWriter::WriteTo(const std::string& path) {
    return WriteFileAtomically(path, Build(), error_);
}
