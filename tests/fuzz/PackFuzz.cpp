// A whole pack through zor_packgen --check: its directory, every picture and map it names, the verifier.
#include <ostream>

#include "tests/fuzz/FuzzFile.h"
#include "tools/packgen/PackChecker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file("pack.zor");
    std::ostream discard(nullptr);
    CheckPack(file.Write(data, size), discard);
    return 0;
}
