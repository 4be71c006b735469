#pragma once
// The program's allocations so far: a benchmark that links the counting allocator reads the count before
// and after the code it watches.
long AllocationCount();
