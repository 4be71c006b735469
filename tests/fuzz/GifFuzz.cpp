// GifFile::GIFRead's decode on hostile bytes.
#include "codecs/GifFile.h"
#include "codecs/PictureLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static GifFile gif; // one object for every input: a failed read must not spoil the next one
    uint32_t w = 0, h = 0;
    const auto rgb = gif.GIFReadFromMemory(data, size, &w, &h);
    if (rgb && uint64_t(w) * h > kMaxPicturePixels) __builtin_trap();
    return 0;
}
