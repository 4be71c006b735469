#pragma once
#include <cstddef>
#include <cstdint>

// The 64-bit FNV-1a hash, byte by byte, the same on every machine: the data two machines compare and the
// state checks of a network game.
class Fnv1a {
  public:
    void Add(const uint8_t* bytes, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            hash_ ^= bytes[i];
            hash_ *= 1099511628211ull;
        }
    }
    // The four bytes of v, lowest first.
    void Add32(uint32_t v) {
        const uint8_t bytes[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        Add(bytes, sizeof bytes);
    }
    uint64_t Value() const { return hash_; }

  private:
    uint64_t hash_ = 14695981039346656037ull;
};
