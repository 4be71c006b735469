#pragma once
#include <cstdint>
#include <vector>

// An inclusive box of grid cells or pixels; empty while x1 < x0.
struct CellBox {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    bool Empty() const { return x1 < x0 || y1 < y0; }
    void Add(int x, int y);
    void Add(const CellBox& other);
};

constexpr int kNoRegion = -1;

// Labels the 8-connected regions of set cells in a width x height grid, row by row: each cell gets the
// number of its region (0, 1, ...) or kNoRegion; `regions` is the number of regions.
std::vector<int> LabelRegions(const std::vector<uint8_t>& set, int width, int height, int& regions);
