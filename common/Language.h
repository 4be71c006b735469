#pragma once
#include <string_view>

// The two editions of the programs. Korean is the default: the C and POSIX locales and every language
// other than English keep it.
enum class Language { Korean, English };

// Reads one environment variable; null when it is not set (std::getenv, or a table in tests).
using EnvironmentLookup = const char* (*)(const char*);

// The process's own environment (std::getenv).
const char* ProcessEnvironment(const char* name);

// "ko" or "en".
const char* LanguageCode(Language language);
// The value of --lang: exactly "ko" or "en"; false for anything else.
bool ParseLanguageCode(std::string_view code, Language& language);
// The language a locale name names by its language part ("ko_KR.UTF-8", "en", "en_GB@euro"); false for
// "C", "POSIX", "C.UTF-8" and every other language.
bool LanguageOfLocale(std::string_view locale, Language& language);
// The rule both programs follow: the entries of LANGUAGE (a colon-separated list), then LC_ALL,
// LC_MESSAGES and LANG; the first that names Korean or English wins; when none does, Korean.
Language LanguageFromEnvironment(EnvironmentLookup lookup);
// The --lang value when one was given (non-empty and valid, see ParseLanguageCode), else the environment.
Language ChooseLanguage(std::string_view option, EnvironmentLookup lookup);
