#pragma once
#include <string>

#include "common/MapFile.h"

// A replay script that moves player 1's pen tip to the middle of each rectangle of a map, in record order,
// and clicks it, starting at frame `first`; one find every 25 frames (a find's animation holds the pen
// for 17).
inline constexpr int kFramesBetweenFinds = 25;

inline std::string ClickEveryDifference(const MapRecords& map, int first) {
    constexpr int kTipX = 23, kTipY = 18; // the pen's tip within its picture
    constexpr int kStepAfterFind = 15;    // the pen steps down after its found animation
    int penX = 100, penY = 200;           // where a stage puts player 1's pen
    std::string script;
    int f = first;
    for (const MapRect& r : map) {
        const int targetX = (r.left + r.right) / 2 - kTipX;
        const int targetY = (r.top + r.bottom) / 2 - kTipY;
        script += std::to_string(f) + " move " + std::to_string(targetX - penX) + " " +
                  std::to_string(targetY - penY) + "\n";
        script += std::to_string(f + 1) + " button down left\n";
        script += std::to_string(f + 2) + " button up left\n";
        penX = targetX;
        penY = targetY + kStepAfterFind;
        f += kFramesBetweenFinds;
    }
    return script;
}
