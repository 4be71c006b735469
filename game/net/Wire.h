#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>

// Little-endian fields of a packet in a buffer of fixed size. A write that does not fit, or a read past
// the end, fails the whole writer or reader; callers check ok() once at the end.
class WireWriter {
  public:
    WireWriter(uint8_t* buffer, size_t capacity) : data_(buffer), capacity_(capacity) {}
    void U8(uint32_t v) { Put(&v, 1); }
    void U16(uint32_t v) { Put(&v, 2); }
    void U32(uint32_t v) { Put(&v, 4); }
    void U64(uint64_t v) {
        U32(static_cast<uint32_t>(v));
        U32(static_cast<uint32_t>(v >> 32));
    }
    void Bytes(const void* bytes, size_t count) {
        if (count == 0 || !Room(count)) return; // an empty vector may give a null pointer
        std::memcpy(data_ + size_, bytes, count);
        size_ += count;
    }
    bool ok() const { return ok_; }
    size_t size() const { return size_; }

  private:
    bool Room(size_t count) {
        if (ok_ && count <= capacity_ - size_) return true;
        ok_ = false;
        return false;
    }
    // The low `count` bytes of v, lowest first.
    void Put(const void* v, size_t count) {
        uint32_t value = 0;
        std::memcpy(&value, v, sizeof value);
        if (!Room(count)) return;
        for (size_t i = 0; i < count; ++i) data_[size_++] = static_cast<uint8_t>(value >> (8 * i));
    }
    uint8_t* data_;
    size_t capacity_;
    size_t size_ = 0;
    bool ok_ = true;
};

class WireReader {
  public:
    WireReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint32_t U8() { return Get(1); }
    uint32_t U16() { return Get(2); }
    uint32_t U32() { return Get(4); }
    uint64_t U64() {
        const uint64_t low = U32();
        return low | uint64_t{U32()} << 32;
    }
    // A pointer to the next `count` bytes, or null (and the reader failed) when there are fewer.
    const uint8_t* Bytes(size_t count) {
        if (!ok_ || count > size_ - at_) {
            ok_ = false;
            return nullptr;
        }
        const uint8_t* p = data_ + at_;
        at_ += count;
        return p;
    }
    bool ok() const { return ok_; }
    bool AtEnd() const { return ok_ && at_ == size_; }
    size_t Remaining() const { return size_ - at_; }

  private:
    uint32_t Get(size_t count) {
        const uint8_t* p = Bytes(count);
        uint32_t v = 0;
        for (size_t i = 0; p && i < count; ++i) v |= uint32_t{p[i]} << (8 * i);
        return v;
    }
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
    bool ok_ = true;
};
