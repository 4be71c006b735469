#include "game/screens/TvAnimation.h"

namespace {
enum Phase { SwitchOn, Flicker, FirstPictures, SecondStrip, LastPictures };
constexpr int kSwitchOnFrames = 8, kPictureFrames = 40;
constexpr int kSwitchOnLastCell = 3;
constexpr int kFlickerCellA = 4, kFlickerCellB = 5;
constexpr int kFlickerEnd = 50; // the counter grows by 2 a frame: 26 frames
constexpr int kFirstPicturesCell = 6, kFirstPicturesLastCell = 7;
constexpr int kSecondStripLastCell = 7;
constexpr int kLastPicturesCell = 8, kLastPicturesLastCell = 9;
} // namespace

void TvAnimation::Step() {
    ++counter;
    switch (phase) {
    case SwitchOn:
        if (counter % kSwitchOnFrames != 0) break;
        if (++cell > kSwitchOnLastCell) *this = {Flicker, 0, 0, kSwitchOnLastCell};
        break;
    case Flicker:
        ++counter;
        cell = cell == kFlickerCellA ? kFlickerCellB : kFlickerCellA;
        if (counter > kFlickerEnd) *this = {FirstPictures, 0, 0, kFirstPicturesCell};
        break;
    case FirstPictures:
        if (counter % kPictureFrames != 0) break;
        if (++cell > kFirstPicturesLastCell) *this = {SecondStrip, 0, 1, 0};
        break;
    case SecondStrip:
        if (counter % kPictureFrames != 0) break;
        if (++cell > kSecondStripLastCell) *this = {LastPictures, 0, 0, kLastPicturesCell};
        break;
    default:
        if (counter % kPictureFrames != 0) break;
        if (++cell > kLastPicturesLastCell) *this = {};
        break;
    }
}
