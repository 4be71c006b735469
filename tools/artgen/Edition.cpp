#include "tools/artgen/Edition.h"

#include <cstdint>

#include "tools/artgen/Scenery.h"

namespace {
// The address of this object is the key of the edition in a context's user data.
const cairo_user_data_key_t kEditionKey{};
int englishMark; // what the key holds in an English context

struct Range {
    char32_t first, last;
};
// Jamo, compatibility jamo, jamo extended A, syllables, jamo extended B, halfwidth jamo.
constexpr Range kHangul[] = {{0x1100, 0x11FF}, {0x3130, 0x318F}, {0xA960, 0xA97F},
                             {0xAC00, 0xD7AF}, {0xD7B0, 0xD7FF}, {0xFFA0, 0xFFDC}};

bool IsHangul(char32_t c) {
    for (const Range& r : kHangul)
        if (c >= r.first && c <= r.last) return true;
    return false;
}

// The code point that starts at text[i], moving i past it; a malformed byte stands for itself.
char32_t NextCodePoint(std::string_view text, size_t& i) {
    const auto lead = static_cast<uint8_t>(text[i++]);
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = extra ? lead & (0x3F >> extra) : lead;
    for (int k = 0; k < extra && i < text.size(); ++k) {
        const auto next = static_cast<uint8_t>(text[i]);
        if ((next & 0xC0) != 0x80) break;
        c = (c << 6) | (next & 0x3F);
        ++i;
    }
    return c;
}

struct FaceTwin {
    const char* korean;
    const char* latin;
};
constexpr FaceTwin kTwins[] = {{Theme::kDisplayFont, Theme::kDisplayLatinFont},
                               {Theme::kRoundFont, Theme::kSmallLatinFont}};
} // namespace

void SetEdition(cairo_t* cr, Edition edition) {
    // Korean is what a context without the key reads, so only the English mark is stored.
    cairo_set_user_data(cr, &kEditionKey, edition == Edition::English ? &englishMark : nullptr, nullptr);
}

Edition EditionOf(cairo_t* cr) {
    return cairo_get_user_data(cr, &kEditionKey) ? Edition::English : Edition::Korean;
}

bool ParseEdition(std::string_view name, Edition& edition) {
    if (name == "ko")
        edition = Edition::Korean;
    else if (name == "en")
        edition = Edition::English;
    else
        return false;
    return true;
}

const char* EditionFolder(Edition edition) {
    return edition == Edition::English ? "en" : "";
}

bool HasHangul(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();)
        if (IsHangul(NextCodePoint(utf8, i))) return true;
    return false;
}

std::string LatinTwin(const std::string& face) {
    for (const FaceTwin& twin : kTwins)
        if (face == twin.korean) return twin.latin;
    return face;
}
