#pragma once
#include <cairo.h>
#include <string>
#include <string_view>

// The two editions of the archives: the Korean one and its English twin (same entries, same sizes,
// other words). A picture's edition travels with its drawing context, so every helper that sets words
// finds it without an extra parameter.
enum class Edition { Korean, English };

void SetEdition(cairo_t* cr, Edition edition);
// Korean for a context that was never given an edition.
Edition EditionOf(cairo_t* cr);

// "ko" or "en"; false for anything else.
bool ParseEdition(std::string_view name, Edition& edition);
// The folder of the edition's archives inside the data directory: "" for Korean, "en" for English.
const char* EditionFolder(Edition edition);

// True when the UTF-8 text holds a Hangul syllable or jamo of any block.
bool HasHangul(std::string_view utf8);

// The Latin face that stands in for a Korean one in the English edition; other faces are kept.
std::string LatinTwin(const std::string& face);
