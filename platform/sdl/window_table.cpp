#include "platform/sdl/sdl_window.h"

RegisteredClass windowClasses[kMaxWindowClasses];
PlatformWindow windowTable[kMaxWindows];

std::atomic<std::uint32_t> wakeEventType{0};
std::atomic<std::uint32_t> postedEventType{0};

std::uint32_t windowSlotNumber(WindowHandle window) {
    if (window < windowTable || window >= windowTable + kMaxWindows) return 0;
    return static_cast<std::uint32_t>(window - windowTable) + 1;
}

WindowHandle windowFromSlotNumber(std::uint32_t number) {
    if (number == 0 || number > kMaxWindows) return nullptr;
    return &windowTable[number - 1];
}

WindowHandle windowFromSdlId(std::uint32_t sdlWindowId) {
    for (PlatformWindow& window : windowTable) {
        if (window.alive && SDL_GetWindowID(window.sdlWindow) == sdlWindowId) return &window;
    }
    return nullptr;
}

bool isLiveWindow(WindowHandle window) {
    return windowSlotNumber(window) != 0 && window->alive;
}

void wakeMessageLoop() {
    SDL_Event event{};
    event.type = wakeEventType.load();
    if (event.type != 0) SDL_PushEvent(&event);
}
