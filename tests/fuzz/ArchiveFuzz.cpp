// The archive directory as hostile bytes: the first two input bytes give the length of the entry data,
// the rest is the start of the directory (zero-filled to its fixed size).
#include <algorithm>
#include <vector>

#include "game/gfx/Archive.h"
#include "tests/fuzz/FuzzFile.h"

constexpr int kEntriesRead = 4;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file;
    if (size < 2) return 0;
    const size_t dataLength = size_t(data[0] | data[1] << 8);
    std::vector<uint8_t> archive(dataLength, 0xA5);
    archive.resize(dataLength + Archive::kDirectorySize, 0);
    std::copy_n(data + 2, std::min<size_t>(size - 2, Archive::kDirectorySize), archive.begin() + dataLength);

    Archive a;
    a.Open(file.Write(archive.data(), archive.size()));
    std::vector<uint8_t> bytes;
    for (int i = -1; i <= a.Count(); ++i) {
        const std::string name = a.NameAt(i);
        if (a.FindIndex(name) < 0 && i >= 0 && i < a.Count()) __builtin_trap();
        a.FindOffset(name);
        a.FindSize(name);
        a.OffsetAt(i);
        // Reading opens the file each time: a few entries keep the run fast.
        if (i < kEntriesRead && a.ReadEntryAt(i, bytes) && bytes.size() != size_t(a.SizeAt(i)))
            __builtin_trap();
    }
    if (a.Count() > 0) a.ExtractAt(0);
    return 0;
}
