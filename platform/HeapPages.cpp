#include "platform/HeapPages.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace {
constexpr size_t kGrowth = size_t{1} << 20;
} // namespace

void PreferHugePagesOnTheHeap(size_t reserve, size_t largestHeapBlock) {
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(largestHeapBlock));
    mallopt(M_TOP_PAD, static_cast<int>(reserve));
    const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto before = reinterpret_cast<uintptr_t>(sbrk(0));
    // A block larger than any free space at the top makes the heap grow by it and the pad; freeing it
    // leaves the pad in place.
    // (Kept in a volatile, as a block that is only freed again may be left out by the compiler.)
    void* volatile block = std::malloc(kGrowth);
    const auto after = reinterpret_cast<uintptr_t>(sbrk(0));
    const uintptr_t from = (before + page - 1) & ~(page - 1);
    if (after > from) madvise(reinterpret_cast<void*>(from), after - from, MADV_HUGEPAGE);
    std::free(block);
}
