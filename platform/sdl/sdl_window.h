// The backend's own records of window classes and windows. Both live in fixed
// tables for the whole run, so a handle that outlives its window still points
// at a valid (dead) slot: other threads may keep invalidating or posting to it.
#pragma once

#include <SDL.h>

#include <atomic>
#include <string>

#include "platform/window.h"

class WindowRenderTarget;

inline constexpr int kMaxWindowClasses = 4;
inline constexpr int kMaxWindows = 4;

struct RegisteredClass {
    bool used;
    std::wstring name;
    WindowClass fields;  // fields.className points at name
};

struct PlatformWindow {
    // The two fields other threads touch.
    std::atomic<bool> alive{false};
    std::atomic<bool> needsPaint{false};

    SDL_Window* sdlWindow = nullptr;
    const RegisteredClass* windowClass = nullptr;
    WindowRenderTarget* renderTarget = nullptr;  // the target presenting into this window, if any
};

extern RegisteredClass windowClasses[kMaxWindowClasses];
extern PlatformWindow windowTable[kMaxWindows];

// SDL event types of our own, registered when the window system opens.
extern std::atomic<std::uint32_t> wakeEventType;    // "look at the paint flags again"
extern std::atomic<std::uint32_t> postedEventType;  // a PostMessage: code = message

// Slot numbers start at 1 so that 0 can stand for "no window".
std::uint32_t windowSlotNumber(WindowHandle window);
WindowHandle windowFromSlotNumber(std::uint32_t number);
WindowHandle windowFromSdlId(std::uint32_t sdlWindowId);
bool isLiveWindow(WindowHandle window);

// Wakes the UI thread out of GetMessage; callable from any thread.
void wakeMessageLoop();

// The UI thread's side of SDL events: a message to dispatch, or false when the
// event was handled here (paint requests, device loss) or means nothing to us.
bool translateEvent(const SDL_Event& event, Message* message);
