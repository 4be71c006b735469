#pragma once
#include <array>
#include <cstdint>

// PackColor split by channel for the current conversion: PackColor(r, g, b) equals
// red[r] | green[g] | blue[b], so a whole picture is packed with three lookups a pixel.
struct PackTables {
    std::array<uint16_t, 256> red{}, green{}, blue{};

    static PackTables Current();
    uint16_t Pack(uint8_t r, uint8_t g, uint8_t b) const { return red[r] | green[g] | blue[b]; }
};
