#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/sdl/sdl_window.h"
#include "platform/utf8.h"

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

// A box needs a display; tests and scripts turn it off so nothing waits for a click.
bool boxWanted() {
    const char* off = std::getenv("SKYRAIL_NO_MESSAGE_BOX");
    if (off != nullptr && off[0] != '\0' && std::strcmp(off, "0") != 0) return false;
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

}  // namespace

int MessageBox(WindowHandle owner, const wchar_t* text, const wchar_t* caption, std::uint32_t) {
    const std::string body = toUtf8(text);
    const std::string title = toUtf8(caption);
    std::fprintf(stderr, "%s: %s\n", title.c_str(), body.c_str());
    std::fflush(stderr);
    if (boxWanted()) {
        SDL_Window* parent = isLiveWindow(owner) ? owner->sdlWindow : nullptr;
        SDL_ShowSimpleMessageBox(0, title.c_str(), body.c_str(), parent);
    }
    return IDOK;
}
