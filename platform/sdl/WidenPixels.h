#pragma once
#include <cstddef>
#include <cstdint>

// Where a 32-bit texture pixel holds its colours: 0xAARRGGBB or 0xAABBGGRR as a 32-bit value.
enum class WideOrder { Xrgb, Xbgr };

// Widens 565 pixels to 32-bit ones exactly as SDL's own conversion does; the fourth byte (alpha, or
// unused) is 0xFF.
using WidenKernel = void (*)(const uint16_t* from, uint32_t* to, size_t pixels, WideOrder order);

// The kernel for this processor: AVX2 when `avx2` says it has it, else SSE2 on x86-64, else plain C++.
WidenKernel ChooseWiden(bool avx2);
