#include "common/Language.h"

#include <array>
#include <cstdlib>

namespace {
constexpr std::string_view kKoreanCode = "ko", kEnglishCode = "en";
// Variables in the order they are consulted; LANGUAGE alone holds a list.
constexpr std::array<const char*, 3> kLocaleVariables = {"LC_ALL", "LC_MESSAGES", "LANG"};
constexpr const char* kLanguageList = "LANGUAGE";
constexpr char kListSeparator = ':';

bool NamedIn(const char* value, Language& language) {
    if (!value) return false;
    std::string_view rest = value;
    while (!rest.empty()) {
        const size_t end = rest.find(kListSeparator);
        if (LanguageOfLocale(rest.substr(0, end), language)) return true;
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return false;
}
} // namespace

const char* ProcessEnvironment(const char* name) {
    return std::getenv(name);
}

const char* LanguageCode(Language language) {
    return language == Language::English ? kEnglishCode.data() : kKoreanCode.data();
}

bool ParseLanguageCode(std::string_view code, Language& language) {
    if (code == kKoreanCode)
        language = Language::Korean;
    else if (code == kEnglishCode)
        language = Language::English;
    else
        return false;
    return true;
}

bool LanguageOfLocale(std::string_view locale, Language& language) {
    // language[_territory][.codeset][@modifier]
    return ParseLanguageCode(locale.substr(0, locale.find_first_of("_.@")), language);
}

Language LanguageFromEnvironment(EnvironmentLookup lookup) {
    Language language = Language::Korean;
    if (NamedIn(lookup(kLanguageList), language)) return language;
    for (const char* variable : kLocaleVariables) {
        const char* value = lookup(variable);
        if (value && LanguageOfLocale(value, language)) return language;
    }
    return Language::Korean;
}

Language ChooseLanguage(std::string_view option, EnvironmentLookup lookup) {
    Language language = Language::Korean;
    if (ParseLanguageCode(option, language)) return language;
    return LanguageFromEnvironment(lookup);
}
