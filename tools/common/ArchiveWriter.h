#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Writes archives in the game's format: the entries' bytes one after another, then the fixed
// 20004-byte directory (count, then 500 slots of a 32-byte name, offset and size, little-endian).
class ArchiveWriter {
  public:
    static constexpr int kMaxEntries = 500;
    static constexpr size_t kMaxNameLength = 31;
    static constexpr size_t kDirectorySize = 20004;

    // False (with a reason in Error()) for a name over 31 bytes, a 501st entry, a name already present
    // without regard to case, or an archive that would pass 2 GiB.
    bool Add(const std::string& name, const std::vector<uint8_t>& bytes);
    // Writes the archive whole or not at all (a temporary file beside it, then a rename).
    bool WriteTo(const std::string& path);
    const std::string& Error() const { return error_; }
    size_t Count() const { return names_.size(); }

    // The whole archive in memory (entries, then directory).
    std::vector<uint8_t> Build() const;

  private:
    std::vector<std::string> names_;
    std::vector<std::vector<uint8_t>> data_;
    uint64_t total_ = 0;
    std::string error_;
};
