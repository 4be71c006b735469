#pragma once
#include <cairo.h>
#include <string>

#include "common/Language.h"

// The two editions of the archives: the Korean one and its English twin (same entries, same sizes,
// other words). A picture's edition travels with its drawing context, so every helper that sets words
// finds it without an extra parameter.
void SetEdition(cairo_t* cr, Language edition);
// Korean for a context that was never given an edition.
Language EditionOf(cairo_t* cr);

// The folder of the edition's archives inside the data directory: "" for Korean, "en" for English.
const char* EditionFolder(Language edition);

// The Latin face that stands in for a Korean one in the English edition; other faces are kept.
std::string LatinTwin(const std::string& face);
