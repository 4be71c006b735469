#include "game/gfx/Surface.h"

#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"
#include "game/gfx/ShowError.h"

void Surface::ReleaseSurface() {
    surface.reset();
    bits = nullptr;
    pitch = 0;
}

bool Surface::CreatePlatformSurface(int w, int h) {
    width = cellWidth = w;
    height = cellHeight = h;
    surface = DDCreateOffscreen(w, h, systemMemory);
    if (!surface && systemMemory == 0) {
        systemMemory = 1;
        surface = DDCreateOffscreen(w, h, systemMemory);
    }
    return surface != nullptr;
}

bool Surface::CreateSurfaceFor(const char* name, int w, int h, bool fits) {
    if (fits && CreatePlatformSurface(w, h)) return true;
    width = cellWidth = w;
    height = cellHeight = h;
    ShowError("CreateSurface Error %s %d X %d", name, w, h);
    return false;
}

void Surface::FinishLoad(int cellW, int cellH) {
    if (cellW != 0 && cellH != 0) {
        cellWidth = cellW;
        cellHeight = cellH;
    }
    ApplyColorKey();
    clipRect = {0, 0, gDisplay.screenWidth, gDisplay.screenHeight};
    srcRect = {0, 0, cellWidth, cellHeight};
    if (surface) {
        bits = surface->Data();
        pitch = surface->Pitch();
    }
}
