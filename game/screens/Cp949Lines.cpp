#include "game/screens/Cp949Lines.h"

namespace {
constexpr unsigned char kSingleByteMax = 0x80; // bytes up to this one stand alone; above it lead two
constexpr unsigned char kNoLead = 0xFF;

size_t CharLength(unsigned char lead) {
    return lead > kSingleByteMax && lead < kNoLead ? 2 : 1;
}
} // namespace

size_t FitCp949(std::string_view text, size_t limit) {
    size_t n = 0;
    while (n < text.size()) {
        const size_t next = n + CharLength(static_cast<unsigned char>(text[n]));
        if (next > limit || next > text.size()) break;
        n = next;
    }
    return n;
}
