#pragma once
#include <memory>

#include "game/control/Spark.h"

// The growable array of sparks, driven like a scene but not registered. Grows by a step that follows
// its size, shrinks by compacting in place, so a running stage allocates only while bursts outgrow it.
class CSparkList {
  public:
    void SetSize(int n, int grow);
    void Empty() { SetSize(0, -1); }
    void AddBurst(int x, int y, uint16_t colour, int count);
    void UpdateAll();
    void DrawAll();

    int Size() const { return size_; }
    int Capacity() const { return capacity_; }
    const CSpark& At(int i) const { return block_[i]; }

  private:
    void RemoveAt(int i);

    std::unique_ptr<CSpark[]> block_;
    int size_ = 0;
    int capacity_ = 0;
    int growStep_ = 0; // 0 = follow the size
};
