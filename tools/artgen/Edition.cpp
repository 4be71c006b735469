#include "tools/artgen/Edition.h"

#include "tools/artgen/Scenery.h"

namespace {
// The address of this object is the key of the edition in a context's user data.
const cairo_user_data_key_t kEditionKey{};
int englishMark; // what the key holds in an English context

struct FaceTwin {
    const char* korean;
    const char* latin;
};
constexpr FaceTwin kTwins[] = {{Theme::kDisplayFont, Theme::kDisplayLatinFont},
                               {Theme::kRoundFont, Theme::kSmallLatinFont}};
} // namespace

void SetEdition(cairo_t* cr, Language edition) {
    // Korean is what a context without the key reads, so only the English mark is stored.
    cairo_set_user_data(cr, &kEditionKey, edition == Language::English ? &englishMark : nullptr, nullptr);
}

Language EditionOf(cairo_t* cr) {
    return cairo_get_user_data(cr, &kEditionKey) ? Language::English : Language::Korean;
}

const char* EditionFolder(Language edition) {
    return edition == Language::English ? "en" : "";
}

std::string LatinTwin(const std::string& face) {
    for (const FaceTwin& twin : kTwins)
        if (face == twin.korean) return twin.latin;
    return face;
}
