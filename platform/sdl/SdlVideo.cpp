#include "platform/sdl/SdlVideo.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/WindowFit.h"

namespace {
constexpr Uint32 kScreenFormat = SDL_PIXELFORMAT_RGB565; // the game's own pixels

bool Widened(Uint32 format) {
    return format != kScreenFormat;
}

WideOrder OrderOf(Uint32 format) {
    return format == SDL_PIXELFORMAT_ABGR8888 || format == SDL_PIXELFORMAT_BGR888 ? WideOrder::Xbgr
                                                                                  : WideOrder::Xrgb;
}

bool Writable(Uint32 format) {
    return format == kScreenFormat || format == SDL_PIXELFORMAT_ARGB8888 ||
           format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ABGR8888 ||
           format == SDL_PIXELFORMAT_BGR888;
}

// The texture format the renderer shows without converting it. The software renderer copies textures
// onto the window's surface, so the surface's format is its own; the others list theirs, and take 565
// without a conversion only where they list it. 565 (converted by SDL) when nothing else is ours to write.
Uint32 NativeFormat(SDL_Renderer* renderer, SDL_Window* window) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0) return kScreenFormat;
    if (info.flags & SDL_RENDERER_SOFTWARE) {
        const Uint32 surface = SDL_GetWindowPixelFormat(window);
        return Writable(surface) ? surface : kScreenFormat;
    }
    const Uint32* formats = info.texture_formats;
    const Uint32* end = formats + info.num_texture_formats;
    if (std::find(formats, end, kScreenFormat) != end) return kScreenFormat;
    const Uint32* wide = std::find_if(formats, end, Writable);
    return wide != end ? *wide : kScreenFormat;
}

SDL_Rect ScreenBounds(SDL_Window* window, bool usable) {
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window));
    SDL_Rect bounds{0, 0, 0, 0};
    if ((usable ? SDL_GetDisplayUsableBounds(display, &bounds) : SDL_GetDisplayBounds(display, &bounds)) != 0)
        bounds = {0, 0, 0, 0};
    return bounds;
}
} // namespace

bool SdlVideo::Create(int width, int height, const VideoMode& mode) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error_ = SDL_GetError();
        return false;
    }
    width_ = width;
    height_ = height;
    mode_ = mode;
    fullScreen_ = !mode.windowed && !SdlIsHeadless();
    window_.reset(SDL_CreateWindow("QAN GAMES", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                   SDL_WINDOW_HIDDEN));
    if (!window_) {
        error_ = SDL_GetError();
        return false;
    }
    // The renderer comes before the window is placed: making one may make the window again, and the new
    // one would not keep a full-screen place on a screen without a window manager.

    // The pen moves by the mouse's own counts at every scale: a renderer made without this divides relative
    // motion by its scale.
    SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_SCALING, "0");
    const Uint32 rendererFlags = SdlIsHeadless() ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_PRESENTVSYNC;
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, rendererFlags));
    if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
    if (!renderer_ || !MakeTexture()) {
        error_ = SDL_GetError();
        return false;
    }
    SDL_ShowWindow(window_.get());
    if (fullScreen_)
        EnterFullScreen();
    else
        EnterWindow();
    SDL_ShowCursor(SDL_DISABLE);
    return true;
}

bool SdlVideo::MakeTexture() {
    textureFormat_ = NativeFormat(renderer_.get(), window_.get());
    texture_.reset(
        SDL_CreateTexture(renderer_.get(), textureFormat_, SDL_TEXTUREACCESS_STREAMING, width_, height_));
    SDL_RenderSetLogicalSize(renderer_.get(), width_, height_);
    SDL_RenderSetIntegerScale(renderer_.get(), mode_.integerScale ? SDL_TRUE : SDL_FALSE);
    filteredFor_ = {};
    return texture_ != nullptr;
}

void SdlVideo::Reset() {
    lost_ = true;
    if (renderer_ && !MakeTexture()) SDL_Log("zor: cannot make the screen texture again: %s", SDL_GetError());
}

PixelFormatDescription SdlVideo::Format() const {
    return PixelFormatDescription{};
}

// Smooth scaling unless the picture is shown at a whole multiple, where plain copies of pixels are exact.
void SdlVideo::ChooseFiltering() {
    int w = 0, h = 0;
    if (SDL_GetRendererOutputSize(renderer_.get(), &w, &h) != 0 ||
        (w == filteredFor_.w && h == filteredFor_.h))
        return;
    filteredFor_ = {0, 0, w, h};
    const double fit = std::min(double(w) / width_, double(h) / height_);
    const double scale = mode_.integerScale ? std::max(1.0, std::floor(fit)) : fit;
    const bool whole = mode_.integerScale || scale == std::floor(scale);
    SDL_SetTextureScaleMode(texture_.get(), whole ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    covered_ = width_ * scale == w && height_ * scale == h;
}

void SdlVideo::Upload(const uint16_t* pixels, int width, int height, int pitch) {
    if (!Widened(textureFormat_)) {
        SDL_UpdateTexture(texture_.get(), nullptr, pixels, pitch * int(sizeof(uint16_t)));
        return;
    }
    void* locked = nullptr;
    int lockedPitch = 0;
    if (SDL_LockTexture(texture_.get(), nullptr, &locked, &lockedPitch) != 0) return;
    const WideOrder order = OrderOf(textureFormat_);
    for (int y = 0; y < std::min(height, height_); ++y) {
        widen_(pixels + size_t(y) * pitch,
               reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(locked) + size_t(y) * lockedPitch),
               size_t(std::min(width, width_)), order);
    }
    SDL_UnlockTexture(texture_.get());
}

bool SdlVideo::Present(const uint16_t* pixels, int width, int height, int pitch) {
    if (!texture_ && !MakeTexture()) return !std::exchange(lost_, false); // a reset could not make it again
    ChooseFiltering();
    Upload(pixels, width, height, pitch);
    const SDL_Rect all{0, 0, width, height};
    if (!covered_) {
        SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, SDL_ALPHA_OPAQUE);
        SDL_RenderClear(renderer_.get());
    }
    SDL_RenderCopy(renderer_.get(), texture_.get(), &all, nullptr);
    if (!shotPath_.empty()) WriteShot();
    SDL_RenderPresent(renderer_.get());
    if (lost_) {
        lost_ = false;
        return false;
    }
    return true;
}

void SdlVideo::WriteShot() {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_.get(), &w, &h);
    SDL_Surface* shot = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_BGR24);
    // The whole output, borders included: read with the viewport and scale of the logical size undone.
    SDL_RenderSetLogicalSize(renderer_.get(), 0, 0);
    SDL_RenderSetScale(renderer_.get(), 1, 1);
    SDL_RenderSetViewport(renderer_.get(), nullptr);
    if (!shot ||
        SDL_RenderReadPixels(renderer_.get(), nullptr, SDL_PIXELFORMAT_BGR24, shot->pixels, shot->pitch) !=
            0 ||
        SDL_SaveBMP(shot, shotPath_.c_str()) != 0)
        SDL_Log("zor: cannot write %s: %s", shotPath_.c_str(), SDL_GetError());
    SDL_RenderSetLogicalSize(renderer_.get(), width_, height_);
    SDL_FreeSurface(shot);
    shotPath_.clear();
}

void SdlVideo::ToggleFullScreen() {
    fullScreen_ = !fullScreen_;
    if (fullScreen_)
        EnterFullScreen();
    else
        EnterWindow();
}

void SdlVideo::SetDisplayMode(const DisplayMode& mode) {
    mode_.windowed = !mode.fullScreen;
    mode_.windowScale = mode.windowScale;
    mode_.integerScale = mode.integerScale;
    if (!renderer_) return;
    SDL_RenderSetIntegerScale(renderer_.get(), mode_.integerScale ? SDL_TRUE : SDL_FALSE);
    filteredFor_ = {}; // the filtering is chosen again for the new layout
    fullScreen_ = mode.fullScreen && !SdlIsHeadless();
    if (fullScreen_)
        EnterFullScreen();
    else
        EnterWindow();
}

void SdlVideo::EnterFullScreen() {
    // Without a window manager the full-screen request is never acted on and the window would keep its
    // size while the picture is laid out for the whole screen; so the window first covers the screen itself.
    const SDL_Rect screen = ScreenBounds(window_.get(), false);
    if (screen.w > 0 && screen.h > 0) {
        SDL_SetWindowBordered(window_.get(), SDL_FALSE);
        SDL_SetWindowSize(window_.get(), screen.w, screen.h);
        SDL_SetWindowPosition(window_.get(), screen.x, screen.y);
    }
    SDL_SetWindowFullscreen(window_.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void SdlVideo::EnterWindow() {
    SDL_SetWindowFullscreen(window_.get(), 0);
    SDL_SetWindowBordered(window_.get(), SDL_TRUE);
    const int scale = WindowScale();
    SDL_SetWindowSize(window_.get(), width_ * scale, height_ * scale);
    SDL_SetWindowPosition(window_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

int SdlVideo::WindowScale() const {
    if (mode_.windowScale > 0) return mode_.windowScale;
    const SDL_Rect usable = ScreenBounds(window_.get(), true);
    return FitWindowScale(usable.w, usable.h, width_, height_);
}
