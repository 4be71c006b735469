#pragma once
#include <cstddef>

// Start-up fills some twenty megabytes of fresh memory (surfaces, fade tables, decoded pictures). Where the
// first touch of each 4 KiB page is dear (a virtual machine's page faults cost many microseconds), asking
// for transparent huge pages turns those thousands of faults into a few. This grows the heap by `reserve`
// bytes at once, keeps blocks up to `largestHeapBlock` on it, and marks that part of the heap for huge
// pages. Without a brk heap (a sanitizer's allocator) it does nothing.
void PreferHugePagesOnTheHeap(size_t reserve, size_t largestHeapBlock);
