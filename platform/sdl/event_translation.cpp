#include <SDL.h>

#include "platform/sdl/key_codes.h"
#include "platform/sdl/sdl_window.h"
#include "platform/sdl/window_render_target.h"

namespace {

// Whether each held key went down as a system key (with Alt, or F10). Its
// release is reported the same way, so every WM_KEYDOWN meets its WM_KEYUP even
// when Alt is pressed in between: SDL releases every held key when the focus
// goes, and an Alt+Tab must not leave a key stuck down.
bool heldAsSystemKey[256];

bool translateKey(const SDL_KeyboardEvent& key, Message* message) {
    // Keys go to the window with the keyboard focus; with none of ours focused there is none.
    WindowHandle window = windowFromSdlId(key.windowID);
    const std::uint32_t virtualKey = virtualKeyFromKeycode(key.keysym.sym);
    if (window == nullptr || virtualKey == 0) return false;
    bool system;
    if (key.state == SDL_PRESSED) {
        system = (key.keysym.mod & KMOD_ALT) != 0 || virtualKey == VK_F10 || virtualKey == VK_MENU;
        heldAsSystemKey[virtualKey] = system;
    } else {
        system = heldAsSystemKey[virtualKey];
        heldAsSystemKey[virtualKey] = false;
    }
    const std::uint32_t down = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const std::uint32_t up = system ? WM_SYSKEYUP : WM_KEYUP;
    *message = {window, key.state == SDL_PRESSED ? down : up, virtualKey, 0};
    return true;
}

bool translateWindowEvent(const SDL_WindowEvent& event, Message* message) {
    WindowHandle window = windowFromSdlId(event.windowID);
    if (window == nullptr) return false;
    switch (event.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            *message = {window, WM_ACTIVATE, WA_ACTIVE, 0};
            return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            *message = {window, WM_ACTIVATE, WA_INACTIVE, 0};
            return true;
        case SDL_WINDOWEVENT_CLOSE:
            *message = {window, WM_CLOSE, 0, 0};
            return true;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
            InvalidateRect(window, nullptr, true);
            return false;
        default:
            return false;
    }
}

// Every window's target reports the loss at its next EndDraw; the paint
// requested here makes that happen at once.
void loseRenderTargets() {
    for (PlatformWindow& window : windowTable) {
        if (!window.alive || window.renderTarget == nullptr) continue;
        window.renderTarget->loseDevice();
        InvalidateRect(&window, nullptr, false);
    }
}

// SDL_QUIT comes from SIGINT or SIGTERM: ask the first window to close.
bool translateQuit(Message* message) {
    for (PlatformWindow& window : windowTable) {
        if (window.alive) {
            *message = {&window, WM_CLOSE, 0, 0};
            return true;
        }
    }
    return false;
}

bool translatePosted(const SDL_UserEvent& posted, Message* message) {
    WindowHandle window = windowFromSlotNumber(posted.windowID);
    // A message posted to a window destroyed since is dropped.
    if (posted.windowID != 0 && !isLiveWindow(window)) return false;
    *message = {window, static_cast<std::uint32_t>(posted.code),
                reinterpret_cast<WParam>(posted.data1), reinterpret_cast<LParam>(posted.data2)};
    return true;
}

}  // namespace

bool translateEvent(const SDL_Event& event, Message* message) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return translateKey(event.key, message);
        case SDL_WINDOWEVENT:
            return translateWindowEvent(event.window, message);
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            loseRenderTargets();
            return false;
        case SDL_QUIT:
            return translateQuit(message);
        default:
            if (event.type == postedEventType.load()) return translatePosted(event.user, message);
            return false;  // includes our wake-up event: the caller looks at the paint flags next
    }
}
