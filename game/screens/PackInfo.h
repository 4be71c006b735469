#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the selection screen shows of a pack: a star rating, its maker and five lines, kept as the info
// file stores them (code page 949, each field zero-terminated).
struct CPackInfo {
    static constexpr size_t kFieldBytes = 32;
    static constexpr int kLines = 5;
    static constexpr size_t kFileBytes = 1 + (1 + kLines) * kFieldBytes; // 193
    using Field = std::array<char, kFieldBytes + 1>;

    uint8_t stars = 0;
    Field fileName = {};
    Field maker = {};
    std::array<Field, kLines> lines = {};
};

// The info file beside a pack: its name in lower case with every ".zor" replaced by ".dat".
std::string PackInfoFileName(const std::string& packFileName);
// Its English twin beside it: the same name with ".en.dat" in place of the last ".dat" (animals.en.dat).
std::string EnglishPackInfoFileName(const std::string& packFileName);
// The texts shown when a pack has no info file.
CPackInfo DefaultPackInfo();
// The fields the bytes reach; a short file leaves the rest empty (and no stars when even the first byte
// is missing). Every field ends at its 32nd byte at the latest.
CPackInfo DecodePackInfo(const std::vector<uint8_t>& bytes);
// Reads the info file of a pack file name (in the English edition its English twin when there is one;
// defaults in the edition's language when there is neither) and sets its file name field: the
// name converted to code page 949 and cut to 31 bytes without splitting a character.
CPackInfo ReadPackInfo(const std::string& packFileName);
