#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One directory slot of a pack, checked against the file: its bytes lie inside the data before the directory.
struct PackEntry {
    std::string name;
    uint32_t offset = 0;
    uint32_t size = 0;
};

// Reads a pack (any archive) from untrusted bytes: every count, offset and size is checked before use.
class PackReader {
  public:
    static constexpr size_t kMaxFileBytes = size_t(1) << 30;

    bool Load(std::vector<uint8_t> bytes, std::string& error);
    bool LoadFile(const std::string& path, std::string& error);
    const std::vector<PackEntry>& Entries() const { return entries_; }
    // The entry's bytes, or false when no entry has that name (compared without regard to case).
    bool Read(const std::string& name, std::vector<uint8_t>& out) const;
    // The picture entries as the game picks them: names holding ".jpg" among the first 20 slots, in slot
    // order.
    std::vector<const PackEntry*> Pictures() const;
    // The map entry's name for a picture: lower case, up to the first dot, then ".map".
    static std::string MapNameFor(const std::string& pictureName);

  private:
    std::vector<uint8_t> bytes_;
    std::vector<PackEntry> entries_;
};
