// JpegFile::ReadRgb's decode on hostile bytes.
#include "codecs/JpegFile.h"
#include "tests/fuzz/SilentMessages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentMessages quiet;
    uint32_t w = 0, h = 0;
    const auto rgb = JpegFile::ReadRgbFromMemory(data, size, &w, &h);
    if (rgb && (w == 0 || h == 0 || w > JpegFile::kMaxSide || h > JpegFile::kMaxSide)) __builtin_trap();
    return 0;
}
