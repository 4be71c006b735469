#pragma once
#include <cstdint>
#include <iterator>

// A small deterministic generator (splitmix64): the same seed gives the same scene on every machine,
// unlike the standard distributions whose results the library may choose.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi], both ends included.
    int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1)); }
    // Uniform in [lo, hi).
    double Real(double lo, double hi) {
        return lo + (hi - lo) * static_cast<double>(Next() >> 11) * 0x1.0p-53;
    }
    bool Chance(double p) { return Real(0.0, 1.0) < p; }
    template <typename C> const auto& Pick(const C& items) { return items[Next() % std::size(items)]; }

  private:
    uint64_t state_;
};

// A seed derived from several numbers, so that neighbouring inputs give unrelated streams.
inline uint64_t MixSeed(uint64_t a, uint64_t b) {
    return Rng(a * 0x100000001B3ull ^ (b + 0x51ED27)).Next();
}
