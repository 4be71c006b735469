#pragma once
#include <SDL.h>
#include <memory>

// SDL objects owned by unique_ptr with their destroy functions.
struct SdlWindowDeleter {
    void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
};
struct SdlRendererDeleter {
    void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
};
struct SdlTextureDeleter {
    void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};
using SdlWindowPtr = std::unique_ptr<SDL_Window, SdlWindowDeleter>;
using SdlRendererPtr = std::unique_ptr<SDL_Renderer, SdlRendererDeleter>;
using SdlTexturePtr = std::unique_ptr<SDL_Texture, SdlTextureDeleter>;

// SDL_Init and SDL_Quit around the program's use of SDL.
class SdlLibrary {
  public:
    SdlLibrary();
    ~SdlLibrary();
    SdlLibrary(const SdlLibrary&) = delete;
    SdlLibrary& operator=(const SdlLibrary&) = delete;
};

// True under drivers that have no screen (dummy, offscreen): no boxes, a plain 640x480 window.
bool SdlIsHeadless();
