#pragma once
#include <string>

// Starts the game `zor` with the map path as its one argument, in the editor's working directory, without
// waiting for it: the program beside the editor (in programDir) when there is one, else the first `zor`
// on PATH. Answers 0, or the error number of the failed start (ENOENT, 2, when there is no `zor`).
// A reaper collects the game when it ends, so no zombie stays behind.
int StartGame(const std::string& mapPath, const std::string& programDir);
