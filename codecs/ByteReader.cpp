#include "codecs/ByteReader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <sys/stat.h>

ByteReader::ByteReader(std::FILE* file) : file_(file) {
    struct stat info;
    const long at = std::ftell(file);
    if (at >= 0 && fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= at) {
        fileSize_ = uint64_t(info.st_size - at);
        sizeKnown_ = true;
    }
}

ByteReader::ByteReader(const uint8_t* data, size_t size)
    : next_(data), end_(data + size), fileSize_(size), sizeKnown_(true) {}

bool ByteReader::Refill() {
    if (!file_) return false;
    const size_t got = std::fread(block_, 1, kBlock, file_);
    next_ = block_;
    end_ = block_ + got;
    return got > 0;
}

bool ByteReader::Le16(uint32_t& out) {
    uint8_t b[2];
    if (!Read(b, sizeof b)) return false;
    out = uint32_t(b[0]) | uint32_t(b[1]) << 8;
    return true;
}

bool ByteReader::Le32(uint32_t& out) {
    uint8_t b[4];
    if (!Read(b, sizeof b)) return false;
    out = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    return true;
}

bool ByteReader::Read(uint8_t* dest, size_t count) {
    return ReadUpTo(dest, count) == count;
}

size_t ByteReader::ReadUpTo(uint8_t* dest, size_t count) {
    size_t done = 0;
    while (done < count) {
        // Large reads from a file skip the block buffer.
        if (next_ == end_ && file_ && count - done >= kBlock) {
            const size_t got = std::fread(dest + done, 1, count - done, file_);
            done += got;
            if (got == 0) break;
            continue;
        }
        if (next_ == end_ && !Refill()) break;
        const size_t n = std::min(count - done, size_t(end_ - next_));
        std::memcpy(dest + done, next_, n);
        next_ += n;
        done += n;
    }
    consumed_ += done;
    return done;
}

bool ByteReader::Skip(uint64_t count) {
    while (count > 0) {
        if (next_ == end_ && !Refill()) return false;
        const size_t n = size_t(std::min<uint64_t>(count, uint64_t(end_ - next_)));
        next_ += n;
        count -= n;
        consumed_ += n;
    }
    return true;
}

uint64_t ByteReader::Remaining() const {
    if (!sizeKnown_) return std::numeric_limits<uint64_t>::max();
    return consumed_ <= fileSize_ ? fileSize_ - consumed_ : 0;
}
