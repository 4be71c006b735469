#pragma once
#include <algorithm>

// The window's scale when none is asked for: the largest whole multiple of the game's picture that fits the
// screen's usable area in both directions, and at least 1 on a screen smaller than the picture.
constexpr int FitWindowScale(int usableWidth, int usableHeight, int gameWidth, int gameHeight) {
    if (gameWidth <= 0 || gameHeight <= 0) return 1;
    return std::max(1, std::min(usableWidth / gameWidth, usableHeight / gameHeight));
}
