#pragma once
#include <iosfwd>
#include <string>

// Verifies every pair of a pack as the game would load it and prints each rectangle's verdict.
// True when every pair passes; a pack that cannot be read fails with the reason printed.
bool CheckPack(const std::string& path, std::ostream& out);
