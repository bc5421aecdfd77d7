#include <SDL.h>

#include "platform/sdl/key_codes.h"
#include "platform/sdl/sdl_window.h"

namespace {

// PostQuitMessage is a request of the UI thread to itself, kept apart from the
// queue so that it comes after every message already posted.
bool quitRequested = false;
int quitExitCode = 0;

bool takeQuitRequest(Message* message) {
    if (!quitRequested) return false;
    quitRequested = false;
    *message = {nullptr, WM_QUIT, static_cast<WParam>(quitExitCode), 0};
    return true;
}

bool takePaintRequest(Message* message) {
    for (PlatformWindow& window : windowTable) {
        if (window.alive && window.needsPaint) {
            *message = {&window, WM_PAINT, 0, 0};
            return true;
        }
    }
    return false;
}

}  // namespace

int GetMessage(Message* message) {
    SDL_Event event;
    for (;;) {
        while (SDL_PollEvent(&event)) {
            if (translateEvent(event, message)) return 1;
        }
        if (takeQuitRequest(message)) return 0;
        if (takePaintRequest(message)) return 1;
        // Another thread's InvalidateRect or PostMessage pushes an event that ends the wait.
        if (!SDL_WaitEvent(&event)) return -1;
        if (translateEvent(event, message)) return 1;
    }
}

LResult DispatchMessage(const Message* message) {
    if (message == nullptr || !isLiveWindow(message->window)) return 0;
    return message->window->windowClass->fields.windowProc(message->window, message->message,
                                                           message->wParam, message->lParam);
}

LResult DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam) {
    if (!isLiveWindow(window)) return 0;
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_SYSKEYDOWN:
            // Alt+F4 asks the window to close, as the close button does.
            if (wParam == VK_F4) window->windowClass->fields.windowProc(window, WM_CLOSE, 0, 0);
            return 0;
        case WM_PAINT: {
            PaintStruct paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        default:
            return 0;
    }
}

void PostQuitMessage(int exitCode) {
    quitRequested = true;
    quitExitCode = exitCode;
}

bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam) {
    if (window != nullptr && windowSlotNumber(window) == 0) return false;
    SDL_Event event{};
    event.type = postedEventType.load();
    if (event.type == 0) return false;  // the window system is not open
    event.user.windowID = windowSlotNumber(window);
    event.user.code = static_cast<Sint32>(message);
    event.user.data1 = reinterpret_cast<void*>(wParam);
    event.user.data2 = reinterpret_cast<void*>(lParam);
    return SDL_PushEvent(&event) == 1;
}
