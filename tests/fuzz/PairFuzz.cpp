// A pair made by hand through zor_packgen --check-pair and --suggest. The first input byte gives the map's
// length, the map's bytes follow and the picture is the rest.
#include <algorithm>
#include <ostream>

#include "tests/fuzz/FuzzFile.h"
#include "tools/packgen/PairCommands.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile picture("pair.jpg");
    static const std::string mapPath = picture.Beside("pair.map");
    if (size == 0) return 0;
    const size_t mapBytes = std::min<size_t>(data[0], size - 1);
    FuzzFile::WriteAs(mapPath, data + 1, mapBytes);
    const char* picturePath = picture.Write(data + 1 + mapBytes, size - 1 - mapBytes);
    std::ostream discard(nullptr);
    CheckPairFiles(picturePath, mapPath, discard, discard);
    SuggestMap(picturePath, discard, discard);
    return 0;
}
