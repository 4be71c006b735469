// The 256-colour PCX loader on hostile files.
#include "game/gfx/Surface.h"
#include "tests/fuzz/FuzzFile.h"
#include "tests/fuzz/SilentMessages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file;
    static SilentMessages quiet;
    Surface s;
    s.LoadPcx256(nullptr, file.Write(data, size), 0, 0);
    return 0;
}
