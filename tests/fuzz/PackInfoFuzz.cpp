// The info file beside a pack (NAME.dat) on hostile bytes: every field ends inside itself and converts
// for drawing.
#include <cstring>

#include "game/screens/PackInfo.h"
#include "platform/Cp949.h"
#include "tests/fuzz/FuzzFile.h"

namespace {
void Convert(const CPackInfo::Field& field) {
    const size_t length = strnlen(field.data(), field.size());
    if (length > CPackInfo::kFieldBytes) __builtin_trap();
    Cp949ToUtf8({field.data(), length});
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file("fuzz.dat");
    file.Write(data, size);
    // The game names info files relative to the working directory, in lower case.
    const InsideDir inside(file.Dir());
    const CPackInfo info = ReadPackInfo("FUZZ.zor");
    Convert(info.fileName);
    Convert(info.maker);
    for (const CPackInfo::Field& line : info.lines) Convert(line);
    return 0;
}
