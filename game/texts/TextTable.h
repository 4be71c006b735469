#pragma once
#include <span>

#include "common/Language.h"
#include "game/texts/TextId.h"

// One text of a language: UTF-8 here, drawn as code page 949. Each table holds every id once, in any order.
struct TextEntry {
    TextId id;
    const char* utf8;
};

// Korean is the reference edition; English texts are ASCII.
std::span<const TextEntry> KoreanTexts();
std::span<const TextEntry> EnglishTexts();
std::span<const TextEntry> TextTable(Language language);
