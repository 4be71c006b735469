#include "tools/packgen/PackReader.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>
#include <strings.h>

#include "tools/common/ArchiveWriter.h"

namespace {
constexpr size_t kSlotSize = 40;
constexpr size_t kNameField = 32;
constexpr size_t kPictureSlots = 20;

uint32_t GetLe32(const std::vector<uint8_t>& in, size_t at) {
    return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8 | uint32_t(in[at + 2]) << 16 |
           uint32_t(in[at + 3]) << 24;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}
} // namespace

bool PackReader::Load(std::vector<uint8_t> bytes, std::string& error) {
    entries_.clear();
    bytes_ = std::move(bytes);
    if (bytes_.size() < ArchiveWriter::kDirectorySize) {
        error = "shorter than the 20004-byte directory";
        return false;
    }
    const size_t directory = bytes_.size() - ArchiveWriter::kDirectorySize;
    const auto count = static_cast<int32_t>(GetLe32(bytes_, directory));
    if (count < 0 || count > ArchiveWriter::kMaxEntries) {
        error = "directory count " + std::to_string(count) + " is outside 0..500";
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        const size_t slot = directory + 4 + size_t(i) * kSlotSize;
        const char* field = reinterpret_cast<const char*>(&bytes_[slot]);
        PackEntry entry{std::string(field, strnlen(field, kNameField)), GetLe32(bytes_, slot + 32),
                        GetLe32(bytes_, slot + 36)};
        if (uint64_t(entry.offset) + entry.size > directory) {
            error = "entry '" + entry.name + "' lies outside the data";
            return false;
        }
        entries_.push_back(std::move(entry));
    }
    return true;
}

bool PackReader::LoadFile(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || uint64_t(size) > kMaxFileBytes) {
        error = path + " is too large for a pack";
        return false;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        error = "cannot read " + path;
        return false;
    }
    if (!Load(std::move(bytes), error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

bool PackReader::Read(const std::string& name, std::vector<uint8_t>& out) const {
    for (const PackEntry& entry : entries_) {
        if (strcasecmp(entry.name.c_str(), name.c_str()) == 0) {
            out.assign(bytes_.begin() + entry.offset, bytes_.begin() + entry.offset + entry.size);
            return true;
        }
    }
    return false;
}

std::vector<const PackEntry*> PackReader::Pictures() const {
    std::vector<const PackEntry*> pictures;
    for (size_t i = 0; i < entries_.size() && i < kPictureSlots; ++i) {
        if (Lower(entries_[i].name).find(".jpg") != std::string::npos) pictures.push_back(&entries_[i]);
    }
    return pictures;
}

std::string PackReader::MapNameFor(const std::string& pictureName) {
    return Lower(pictureName.substr(0, pictureName.find('.'))) + ".map";
}
