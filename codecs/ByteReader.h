#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

// Sequential input for the picture readers, from an open file (read in blocks) or from bytes in memory.
// Every read either delivers all it was asked for or fails; the reader never reads past the end.
class ByteReader {
  public:
    // Reads the file from its current position; the caller keeps the file open while the reader is used.
    explicit ByteReader(std::FILE* file);
    ByteReader(const uint8_t* data, size_t size);
    ByteReader(const ByteReader&) = delete;
    ByteReader& operator=(const ByteReader&) = delete;

    bool Byte(uint8_t& out) {
        if (next_ == end_ && !Refill()) return false;
        out = *next_++;
        ++consumed_;
        return true;
    }
    bool Le16(uint32_t& out);
    bool Le32(uint32_t& out);
    bool Read(uint8_t* dest, size_t count);
    // Reads what there is of count bytes; the number read.
    size_t ReadUpTo(uint8_t* dest, size_t count);
    bool Skip(uint64_t count);
    // Bytes taken so far.
    uint64_t Consumed() const { return consumed_; }
    // Bytes still to come: exact for memory and regular files, as large as possible for other streams.
    uint64_t Remaining() const;

  private:
    bool Refill();

    static constexpr size_t kBlock = 64 * 1024;
    std::FILE* file_ = nullptr;
    const uint8_t* next_ = nullptr;
    const uint8_t* end_ = nullptr;
    uint64_t consumed_ = 0;
    uint64_t fileSize_ = 0; // for Remaining(): known for regular files
    bool sizeKnown_ = false;
    uint8_t block_[kBlock];
};
