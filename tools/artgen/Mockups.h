#pragma once
#include <string>
#include <vector>

#include "tools/artgen/Build.h"

// Review aid: composes the game's screens from the built pictures at the places the game draws them
// (play, banners, title, pack selection, bonus, ranking) and writes one PNG per screen into dir.
bool WriteMockups(const std::vector<BuiltAsset>& assets, const std::string& dir, std::string& error);
