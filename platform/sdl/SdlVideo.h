#pragma once
#include <string>

#include "platform/Presenter.h"
#include "platform/sdl/SdlHandles.h"
#include "platform/sdl/WidenPixels.h"

// How the picture is put on the screen.
struct VideoMode {
    bool windowed = false;     // start in a window instead of full screen
    int windowScale = 0;       // the window in whole multiples of the game's size; 0: the largest that fits
    bool integerScale = false; // full screen in whole multiples only (crisp pixels, borders around)
};

// The game's window: full screen on the desktop, the 640x480 picture scaled to the largest size that keeps
// its shape (smoothed, or whole multiples only when asked), or a window of whole multiples. The 565 frame
// goes to a streaming texture in the renderer's own format: 565 as it is where the renderer shows that
// without converting it, otherwise widened by our own code into the locked texture. Under drivers without a
// screen it is always a plain window.
class SdlVideo : public Presenter {
  public:
    // Fails (Error() says why) when the video subsystem, window, renderer or texture cannot be had.
    bool Create(int width, int height, const VideoMode& mode);
    const std::string& Error() const { return error_; }

    PixelFormatDescription Format() const override;
    bool Present(const uint16_t* pixels, int width, int height, int pitch) override;

    // Alt+Enter: full screen <-> a window.
    void ToggleFullScreen();
    void SetDisplayMode(const DisplayMode& mode) override;
    // The device (all textures gone) or the render targets were reset: the texture and the render state
    // are made again, and the next present reports lost surfaces.
    void Reset();
    // The next present also writes what the window shows, at the window's size, as a BMP file.
    void ShootOutput(std::string path) { shotPath_ = std::move(path); }
    Uint32 WindowId() const { return window_ ? SDL_GetWindowID(window_.get()) : 0; }

  private:
    bool MakeTexture();
    void Upload(const uint16_t* pixels, int width, int height, int pitch);
    void EnterFullScreen();
    void EnterWindow();
    int WindowScale() const;
    void ChooseFiltering();
    void WriteShot();

    SdlWindowPtr window_;
    SdlRendererPtr renderer_;
    SdlTexturePtr texture_;
    std::string error_;
    std::string shotPath_;
    VideoMode mode_;
    int width_ = 0;
    int height_ = 0;
    SDL_Rect filteredFor_{}; // the output size the texture's filtering was chosen for
    Uint32 textureFormat_ = SDL_PIXELFORMAT_RGB565;
    WidenKernel widen_ = ChooseWiden(SDL_HasAVX2() == SDL_TRUE);
    bool covered_ = false; // the picture covers the whole output, so there are no borders to clear
    bool fullScreen_ = false;
    bool lost_ = false;
};
