#pragma once
#include <string>
#include <vector>

constexpr int kMaxMusicCandidates = 100;
constexpr const char* kMusicDir = "mid";

// The "*.mid" files of `dir` (extension in any letter case) as "dir/name": the first 100 by name, sorted, so
// that every machine offers the same choice.
std::vector<std::string> FindMusic(const std::string& dir);

// Replaces the music with a piece of "mid" chosen at random; with no piece there, what plays goes on.
void PlayRandomMusic();
// Stops what plays and plays `path` once from its start; 1 when it plays. Failures show no message. With
// the music turned off it only remembers the piece.
int StartMusic(const std::string& path);
void CloseMusic();
// The music's volume from 0 to 1. At 0 no music is played at all (no synthesizer runs), though pieces are
// still chosen; turned up again, the piece chosen last starts.
void SetMusicLevel(float gain);
