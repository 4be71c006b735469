#include "game/gfx/Surface.h"

#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"

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
