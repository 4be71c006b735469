#pragma once
// The network game's program-wide state.
#include <string>

// Where the ranking and the saved game are read and written: "" for the game folder. A guest plays on
// copies of the host's, kept in a folder of its own, so that its own files stay as they were.
extern std::string gPlayerFilesDir;

// The path of one of the player's files.
std::string PlayerFilePath(const std::string& name);
