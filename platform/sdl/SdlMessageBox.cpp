#include "platform/sdl/SdlMessageBox.h"

#include <SDL.h>
#include <cstdio>

#include "platform/sdl/SdlHandles.h"

void SdlMessageBox::Show(std::string_view caption, std::string_view text) {
    // The game's own messages are UTF-8 literals; names inside them are file names.
    const std::string utf8(text);
    std::string line = utf8;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    std::fprintf(stderr, "%.*s: %s\n", int(caption.size()), caption.data(), line.c_str());
    if (SDL_WasInit(SDL_INIT_VIDEO) && !SdlIsHeadless()) {
        const std::string title(caption);
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), utf8.c_str(), nullptr);
    }
}
