#include "game/control/SparkList.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "game/control/Random.h"
#include "game/control/Scene.h"
#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"

namespace {
constexpr int kMinAutoStep = 4;
constexpr int kMaxAutoStep = 1024;
constexpr int kBurstSpread = 15;
} // namespace

void CSparkList::SetSize(int n, int grow) {
    if (grow != -1) growStep_ = grow;
    if (n <= 0) {
        block_.reset();
        size_ = capacity_ = 0;
        return;
    }
    if (!block_) {
        block_.reset(new (std::nothrow) CSpark[n]);
        if (!block_) return; // out of memory: the list stays empty, the game goes on without sparks
        capacity_ = size_ = n;
        return;
    }
    if (n <= capacity_) {
        for (int i = size_; i < n; ++i) block_[i] = CSpark{};
        for (int i = n; i < size_; ++i) block_[i] = CSpark{};
        size_ = n;
        return;
    }
    int step = growStep_;
    if (step == 0) step = std::clamp(size_ / 8, kMinAutoStep, kMaxAutoStep);
    const int newCapacity = std::max(capacity_ + step, n);
    std::unique_ptr<CSpark[]> grown(new (std::nothrow) CSpark[newCapacity]);
    if (!grown) return; // out of memory: the size stays as it was, so the new spark is not added
    std::memcpy(static_cast<void*>(grown.get()), block_.get(), sizeof(CSpark) * size_t(size_));
    block_ = std::move(grown);
    capacity_ = newCapacity;
    size_ = n;
}

void CSparkList::AddBurst(int x, int y, uint16_t colour, int count) {
    for (int k = 0; k < count; ++k) {
        const int r1 = GameRand();
        const int r2 = GameRand();
        CSpark spark;
        spark.Init(x + r2 % kBurstSpread, y + r1 % kBurstSpread, colour);
        const int before = size_;
        SetSize(size_ + 1, -1);
        if (size_ == before) return;
        spark.index = size_ - 1;
        block_[size_ - 1] = spark;
    }
}

void CSparkList::RemoveAt(int i) {
    std::memmove(static_cast<void*>(&block_[i]), &block_[i + 1], sizeof(CSpark) * size_t(size_ - i - 1));
    --size_;
    block_[size_] = CSpark{};
    for (int k = 0; k < size_; ++k) block_[k].index = k;
}

void CSparkList::UpdateAll() {
    int i = 0;
    while (i < size_) {
        block_[i].Message(MsgUpdate);
        if (block_[i].IsAlive())
            ++i;
        else
            RemoveAt(i); // position i now holds the next spark, not yet updated
    }
}

void CSparkList::DrawAll() {
    int pitch = 0;
    if (!DDLock(gDisplay.lowDDBack.get(), pitch)) return;
    for (int i = 0; i < size_; ++i) block_[i].Message(MsgDraw);
    DDUnlock(gDisplay.lowDDBack.get());
}
