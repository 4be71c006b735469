#include "game/screens/TextFade.h"

namespace {
constexpr int kFadeStep = 4;
constexpr int kFullLevel = 255;
constexpr uint32_t kLevelMask = 0xFF;
} // namespace

bool FadeTick(int& counter) {
    counter = (counter + 1) % kFadeFrames;
    return counter == 0;
}

uint32_t FadeGrey(int counter, int index) {
    const int rise = kFadeStep * counter;
    const uint32_t level = static_cast<uint32_t>(index % 2 == 0 ? rise : kFullLevel - rise) & kLevelMask;
    return level | level << 8 | level << 16;
}
