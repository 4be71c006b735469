#pragma once
#include <cstddef>
#include <string>

// A picture pair is named by its stem: the path up to the first dot of its last component, so dots in
// folder names ("/home/a/my.pics/cat.jpg", "./cat.jpg") belong to the stem. The game plays stem + ".jpg"
// with stem + ".map"; the editor saves the map of a picture as stem + ".map". Both use these functions,
// so they agree on every path.

// The longest map path either program takes, in bytes.
constexpr size_t kMaxMapPath = 255;

// False when the last component holds no dot (the path names no pair).
bool PairStem(const std::string& path, std::string& stem);
// The map path of a picture: its stem + ".map", or the whole path + ".map" when its name has no dot.
std::string MapPathFor(const std::string& picturePath);
