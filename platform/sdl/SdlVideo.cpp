#include "platform/sdl/SdlVideo.h"

bool SdlVideo::Create(int width, int height, bool windowed) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error_ = SDL_GetError();
        return false;
    }
    width_ = width;
    height_ = height;
    fullScreen_ = !windowed && !SdlIsHeadless();
    const Uint32 flags = fullScreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
    window_.reset(
        SDL_CreateWindow("QAN GAMES", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags));
    if (!window_) {
        error_ = SDL_GetError();
        return false;
    }
    const Uint32 rendererFlags = SdlIsHeadless() ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_PRESENTVSYNC;
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, rendererFlags));
    if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
    if (!renderer_) {
        error_ = SDL_GetError();
        return false;
    }
    SDL_RenderSetLogicalSize(renderer_.get(), width, height);
    SDL_RenderSetIntegerScale(renderer_.get(), SDL_TRUE);
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                     width, height));
    if (!texture_) {
        error_ = SDL_GetError();
        return false;
    }
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

PixelFormatDescription SdlVideo::Format() const {
    return PixelFormatDescription{};
}

bool SdlVideo::Present(const uint16_t* pixels, int width, int height, int pitch) {
    SDL_UpdateTexture(texture_.get(), nullptr, pixels, pitch * int(sizeof(uint16_t)));
    const SDL_Rect all{0, 0, width, height};
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), &all, nullptr);
    SDL_RenderPresent(renderer_.get());
    if (lost_) {
        lost_ = false;
        return false;
    }
    return true;
}

void SdlVideo::ToggleFullScreen() {
    fullScreen_ = !fullScreen_;
    if (fullScreen_) {
        SDL_SetWindowFullscreen(window_.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        SDL_SetWindowFullscreen(window_.get(), 0);
        SDL_SetWindowSize(window_.get(), width_ * 2, height_ * 2);
        SDL_SetWindowPosition(window_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
}
