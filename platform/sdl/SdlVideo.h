#pragma once
#include <string>

#include "platform/Presenter.h"
#include "platform/sdl/SdlHandles.h"

// The game's window: full-screen desktop with a 640x480 logical size (letterboxed), or a plain window
// when asked for or when there is no screen. The 565 frame goes to a streaming texture.
class SdlVideo : public Presenter {
  public:
    // Fails (Error() says why) when the video subsystem, window, renderer or texture cannot be had.
    bool Create(int width, int height, bool windowed);
    const std::string& Error() const { return error_; }

    PixelFormatDescription Format() const override;
    bool Present(const uint16_t* pixels, int width, int height, int pitch) override;

    // Alt+Enter: full screen <-> a window of twice the game's size.
    void ToggleFullScreen();
    // The render targets or the device were reset: the next present reports lost surfaces.
    void MarkLost() { lost_ = true; }
    Uint32 WindowId() const { return window_ ? SDL_GetWindowID(window_.get()) : 0; }

  private:
    SdlWindowPtr window_;
    SdlRendererPtr renderer_;
    SdlTexturePtr texture_;
    std::string error_;
    int width_ = 0;
    int height_ = 0;
    bool fullScreen_ = false;
    bool lost_ = false;
};
