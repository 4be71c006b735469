#include <cstring>

#include "platform/sdl/SdlHandles.h"

SdlLibrary::SdlLibrary() {
    SDL_Init(SDL_INIT_EVENTS | SDL_INIT_TIMER);
}

SdlLibrary::~SdlLibrary() {
    SDL_Quit();
}

bool SdlIsHeadless() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver == nullptr || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0;
}
