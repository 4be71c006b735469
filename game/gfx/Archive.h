#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One directory slot as stored: a zero-terminated name of at most 31 bytes, the entry's offset from
// the start of the file and its size.
struct ArchiveEntry {
    char name[32] = {};
    int32_t offset = 0;
    int32_t size = 0;
    bool usable = false; // false when offset or size point outside the entry data
};

// An archive file: entry data followed by a fixed 20004-byte directory (count, then 500 slots of 40
// bytes). Entries are read in place from Path() or copied to the run's one temporary file.
// No file is held open between operations.
class Archive {
  public:
    static constexpr int kMaxEntries = 500;
    static constexpr long kDirectorySize = 20004;
    static constexpr int kNameSize = 32;
    static constexpr int kSlotSize = 40;

    // Reads the directory. A file that cannot be opened, is shorter than 20004 bytes, declares a count
    // outside 0..500, or has entries pointing outside the file gives an archive in which those lookups fail
    // (-1 / null).
    int Open(const std::string& path);           // 1 on success, 0 otherwise
    int FindOffset(std::string_view name) const; // case-insensitive; -1 when absent
    int FindSize(std::string_view name) const;   // -1 when absent
    int OffsetAt(int index) const;               // -1 when index is not below count
    int SizeAt(int index) const;                 // -1 when index is not below count
    const char* ExtractAt(int index); // copies the entry to the run's temporary file; its path or null
    const char* Extract(std::string_view name);
    static void DeleteTempFile();
    const std::string& Path() const { return path_; } // what in-place readers open
    int Count() const { return count_; }
    std::string NameAt(int index) const; // "" when index is not below count
    // In-place reading: the entry's bytes (bounded by its size and the file); false when absent or
    // unreadable.
    bool ReadEntry(std::string_view name, std::vector<uint8_t>& out) const;
    bool ReadEntryAt(int index, std::vector<uint8_t>& out) const;

    // Takes the directory from the last 20004 bytes of a file of fileSize bytes (what Open reads).
    // Entries whose bytes do not lie wholly before the directory are kept but cannot be found.
    int LoadDirectory(const uint8_t* directory, int64_t fileSize);
    // The slot a lookup of name answers with (the lowest matching one), or -1.
    int FindIndex(std::string_view name) const;

  private:
    const ArchiveEntry* Usable(int index) const;

    int count_ = 0;
    std::string path_;
    std::array<ArchiveEntry, kMaxEntries> entries_{};
};
