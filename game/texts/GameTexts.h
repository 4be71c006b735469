#pragma once
#include <cstddef>
#include <string>

#include "common/Language.h"
#include "game/texts/TextId.h"

// The edition the game runs in and its texts: Korean until SetGameLanguage chooses (at start-up, before any
// screen is drawn; it converts the language's table once, so drawing never converts).
void SetGameLanguage(Language language);
Language GameLanguage();
// The text in code page 949, kept whole up to the bytes its place holds (TextByteLimit) and cut at a
// character boundary beyond them; "" for an id the table lacks.
const char* GameText(TextId id);
// The same in UTF-8, for the error boxes.
const char* GameTextUtf8(TextId id);
// A text of the tables with its "%s" places filled, in the text's own encoding.
std::string FormatGameText(const char* format, const std::string& a, const std::string& b = "");
// Intro slots 20, credits 39, pack info fields 31, every other text 255.
size_t TextByteLimit(TextId id);
