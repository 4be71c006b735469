#pragma once
// Instruction sets beyond the x86-64 baseline (which always has SSE2), asked of the processor once.

// True when the processor has AVX2 and the system keeps its registers; always false off x86-64.
bool CpuHasAvx2();
