#pragma once
#include <istream>
#include <string>
#include <vector>

#include "tools/packgen/PackBuilder.h"

// A named pack request, one row of a pack list: "STEM THEME DIFFICULTY SEED". The bundled packs are such a
// list (bundled-packs.txt), read by the build and by --stats.
struct NamedRequest {
    std::string stem;
    PackRequest request;
};

// Reads the rows of a list; blank lines and lines starting with '#' are skipped. False (with the line
// that is wrong) on an unknown theme, a difficulty outside 1..5, a bad seed or a row of the wrong length.
bool ReadPackList(std::istream& in, std::vector<NamedRequest>& rows, std::string& error);
