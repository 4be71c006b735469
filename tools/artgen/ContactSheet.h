#pragma once
#include <string>
#include <vector>

#include "tools/artgen/Build.h"

// Writes one PNG with every picture as the game will see it, cut into its cells, each with its name.
// False with a reason in error on failure.
bool WriteContactSheet(const std::vector<BuiltAsset>& assets, const std::string& path, std::string& error);
