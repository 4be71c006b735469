#pragma once
#include <cstdint>
#include <memory>

#include "game/gfx/Font.h"
#include "game/gfx/PixelBuffer.h"

class Presenter;
class Clock;

// The game's screen: a back surface everything is drawn into and a front surface that holds what was
// presented last. One instance for the program (gDisplay), zeroed before every creation.
struct DisplayState {
    Presenter* presenter = nullptr; // the window
    std::unique_ptr<PixelBuffer> lowDDFront;
    std::unique_ptr<PixelBuffer> lowDDBack;
    int screenWidth = 0;
    int screenHeight = 0;
    int bitDepth = 0;
    int fullScreen = 0;
    int ready = 0;
    int inactive = 0;
    int lostSinceFlip = 0;            // a cross-fade step found the surfaces lost; the next flip reports it
    uint16_t* lastLockBits = nullptr; // the line primitives write through the most recent lock
    int lastLockPitch = 0;
    int lastLockHeight = 0;    // rows of the locked surface, so that nothing writes past it
    FontHandle font = kNoFont; // the default font of the text operations
};

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kScreenDepth = 16;
// Off-screen pictures larger than this are refused, so no file can ask for an unbounded allocation.
constexpr int kMaxSurfaceSide = 4096;

// Sets up the display and seeds the game's random generator with the clock's calendar time.
bool InitDisplay(Presenter& presenter, Clock& clock, int width, int height, int bitDepth);
bool DDCreate(Presenter& presenter, int width, int height, int bitDepth);
bool DDCreateScreenSurfaces();
void DDDestroy();
// Presents the back surface; false when the platform's surfaces were lost, here or at a cross-fade step
// since the previous flip.
bool DDFlip();
// Copies a whole-screen picture onto the front surface and shows it at once (the cross-fade's steps).
void DDShowOnFront(const PixelBuffer& picture);
void DDClear(uint16_t color);
uint16_t* DDLock(PixelBuffer* surface, int& pitch);
void DDUnlock(PixelBuffer* surface);
std::unique_ptr<PixelBuffer> DDCreateOffscreen(int width, int height, int systemMemory);
