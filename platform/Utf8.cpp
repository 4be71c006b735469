#include "platform/Utf8.h"

namespace {
struct Block {
    uint32_t first, last;
};
constexpr Block kHangulBlocks[] = {
    {0x1100, 0x11FF}, // jamo
    {0x3130, 0x318F}, // compatibility jamo
    {0xA960, 0xA97F}, // jamo extended A
    {0xAC00, 0xD7AF}, // syllables
    {0xD7B0, 0xD7FF}, // jamo extended B
    {0xFFA0, 0xFFDC}, // half-width jamo
};
} // namespace

uint32_t NextCodepoint(std::string_view text, size_t& at) {
    constexpr uint32_t kReplacement = 0xFFFD;
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || at + size_t(extra) > text.size()) return kReplacement;
    uint32_t cp = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto c = static_cast<unsigned char>(text[at + size_t(i)]);
        if ((c & 0xC0) != 0x80) return kReplacement;
        cp = (cp << 6) | (c & 0x3F);
    }
    at += size_t(extra);
    return cp;
}

bool IsHangul(uint32_t codepoint) {
    for (const Block& b : kHangulBlocks)
        if (codepoint >= b.first && codepoint <= b.last) return true;
    return false;
}

int CountHangul(std::string_view utf8) {
    int count = 0;
    for (size_t at = 0; at < utf8.size();) count += IsHangul(NextCodepoint(utf8, at)) ? 1 : 0;
    return count;
}
