#include <SDL.h>

#include <algorithm>

#include "platform/sdl/sdl_window.h"
#include "platform/sdl/window_render_target.h"
#include "platform/sdl/x11_errors.h"
#include "platform/utf8.h"

struct PlatformInstance {};

namespace {

PlatformInstance programInstance;

RegisteredClass* findClass(InstanceHandle instance, const wchar_t* name) {
    if (name == nullptr) return nullptr;
    for (RegisteredClass& entry : windowClasses) {
        if (entry.used && entry.fields.instance == instance && entry.name == name) return &entry;
    }
    return nullptr;
}

bool anyClassRegistered() {
    return std::any_of(std::begin(windowClasses), std::end(windowClasses),
                       [](const RegisteredClass& entry) { return entry.used; });
}

// SDL's video (and with it the event queue) is open while any class is registered.
bool openWindowSystem() {
    tolerateLateWakeUps();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        SDL_LogError(SDL_LOG_CATEGORY_VIDEO, "cannot open the window system: %s", SDL_GetError());
        return false;
    }
    if (wakeEventType.load() == 0) {
        const Uint32 first = SDL_RegisterEvents(2);
        if (first == static_cast<Uint32>(-1)) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            return false;
        }
        wakeEventType = first;
        postedEventType = first + 1;
    }
    return true;
}

}  // namespace

InstanceHandle GetModuleHandle(const wchar_t*) {
    return &programInstance;
}

StockHandle LoadIcon(InstanceHandle, int id) {
    return static_cast<StockHandle>(id);
}
StockHandle LoadCursor(InstanceHandle, int id) {
    return static_cast<StockHandle>(id);
}
StockHandle GetStockObject(int id) {
    return static_cast<StockHandle>(id);
}

std::uint16_t RegisterClass(const WindowClass& windowClass) {
    if (windowClass.className == nullptr || windowClass.windowProc == nullptr) return 0;
    if (findClass(windowClass.instance, windowClass.className) != nullptr) return 0;
    auto free = std::find_if(std::begin(windowClasses), std::end(windowClasses),
                             [](const RegisteredClass& entry) { return !entry.used; });
    if (free == std::end(windowClasses)) return 0;
    if (!anyClassRegistered() && !openWindowSystem()) return 0;
    free->used = true;
    free->name = windowClass.className;
    free->fields = windowClass;
    free->fields.className = free->name.c_str();
    return static_cast<std::uint16_t>(free - windowClasses + 1);
}

bool UnregisterClass(const wchar_t* className, InstanceHandle instance) {
    RegisteredClass* entry = findClass(instance, className);
    if (entry == nullptr) return false;
    for (const PlatformWindow& window : windowTable) {
        if (window.alive && window.windowClass == entry) return false;
    }
    entry->used = false;
    entry->name.clear();
    if (!anyClassRegistered()) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return true;
}

const WindowClass* GetClassInfo(InstanceHandle instance, const wchar_t* className) {
    const RegisteredClass* entry = findClass(instance, className);
    return entry != nullptr ? &entry->fields : nullptr;
}

// SDL places the client area at (x, y) and the window manager draws its frame
// outside it, so the outer rectangle asked for is the client area itself.
WindowHandle CreateWindow(std::uint32_t, const wchar_t* className, const wchar_t* title,
                          std::uint32_t, int x, int y, int width, int height, WindowHandle,
                          const void*, InstanceHandle instance, const void*) {
    const RegisteredClass* windowClass = findClass(instance, className);
    if (windowClass == nullptr || width <= 0 || height <= 0) return nullptr;
    auto free = std::find_if(std::begin(windowTable), std::end(windowTable),
                             [](const PlatformWindow& window) { return !window.alive; });
    if (free == std::end(windowTable)) return nullptr;
    SDL_Window* sdlWindow =
        SDL_CreateWindow(toUtf8(title).c_str(), x, y, width, height, SDL_WINDOW_HIDDEN);
    if (sdlWindow == nullptr) return nullptr;
    free->sdlWindow = sdlWindow;
    free->windowClass = windowClass;
    free->renderTarget = nullptr;
    free->needsPaint = false;
    free->alive = true;
    return free;
}

bool DestroyWindow(WindowHandle window) {
    if (!isLiveWindow(window)) return false;
    window->windowClass->fields.windowProc(window, WM_DESTROY, 0, 0);
    // The SDL renderer goes before its window; the target object itself stays
    // with its owner, who releases it later.
    if (window->renderTarget != nullptr) window->renderTarget->detachWindow();
    window->alive = false;
    window->needsPaint = false;
    SDL_DestroyWindow(window->sdlWindow);
    window->sdlWindow = nullptr;
    return true;
}

bool ShowWindow(WindowHandle window, int showCommand) {
    if (!isLiveWindow(window)) return false;
    if (showCommand == SW_HIDE) {
        SDL_HideWindow(window->sdlWindow);
        return true;
    }
    SDL_ShowWindow(window->sdlWindow);
    return InvalidateRect(window, nullptr, true);
}

bool UpdateWindow(WindowHandle window) {
    if (!isLiveWindow(window)) return false;
    if (window->needsPaint) window->windowClass->fields.windowProc(window, WM_PAINT, 0, 0);
    return true;
}

bool GetClientRect(WindowHandle window, RectI* rect) {
    if (!isLiveWindow(window) || rect == nullptr) return false;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window->sdlWindow, &width, &height);
    *rect = {0, 0, width, height};
    return true;
}

bool GetWindowRect(WindowHandle window, RectI* rect) {
    if (!isLiveWindow(window) || rect == nullptr) return false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    SDL_GetWindowPosition(window->sdlWindow, &x, &y);
    SDL_GetWindowSize(window->sdlWindow, &width, &height);
    *rect = {x, y, x + width, y + height};
    return true;
}

// The frame is the window manager's, outside the client area (see CreateWindow).
int GetSystemMetrics(int) {
    return 0;
}

bool SystemParametersInfo(std::uint32_t action, std::uint32_t, void* pvParam, std::uint32_t) {
    if (action != SPI_GETWORKAREA || pvParam == nullptr) return false;
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return false;
    *static_cast<RectI*>(pvParam) = {usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
    return true;
}
