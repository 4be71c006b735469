#include "tools/pairs/Regions.h"

#include <algorithm>

void CellBox::Add(int x, int y) {
    if (Empty()) {
        *this = {x, y, x, y};
        return;
    }
    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
}

void CellBox::Add(const CellBox& other) {
    if (other.Empty()) return;
    Add(other.x0, other.y0);
    Add(other.x1, other.y1);
}

std::vector<int> LabelRegions(const std::vector<uint8_t>& set, int width, int height, int& regions) {
    std::vector<int> labels(set.size(), kNoRegion);
    std::vector<int> pending; // an explicit stack: a region may span the whole grid
    regions = 0;
    for (int start = 0; start < width * height; ++start) {
        if (!set[start] || labels[start] != kNoRegion) continue;
        labels[start] = regions;
        pending.push_back(start);
        while (!pending.empty()) {
            const int at = pending.back();
            pending.pop_back();
            const int x = at % width, y = at / width;
            for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, height - 1); ++ny) {
                for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, width - 1); ++nx) {
                    const int n = ny * width + nx;
                    if (set[n] && labels[n] == kNoRegion) {
                        labels[n] = regions;
                        pending.push_back(n);
                    }
                }
            }
        }
        ++regions;
    }
    return labels;
}
