// The editor's BMP reader (LoadBmp) on hostile bytes.
#include "codecs/BmpFile.h"
#include "codecs/PictureLimits.h"
#include "tests/fuzz/SilentMessages.h"

namespace {
struct Holder : PictureHolder {
    void ReplacePixels(uint32_t w, uint32_t h, std::unique_ptr<uint8_t[]> p) override {
        // A picture the reader hands over is within the limit.
        if (p && uint64_t(w) * h > kMaxPicturePixels) __builtin_trap();
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static SilentMessages quiet;
    Holder holder;
    LoadBmpFromMemory(data, size, holder);
    return 0;
}
