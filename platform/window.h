// Windows, messages and message boxes (backend: platform/sdl).
#pragma once

#include <cstdint>

struct PlatformWindow;
using WindowHandle = PlatformWindow*;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

inline constexpr std::uint32_t WM_DESTROY = 0x0002;
inline constexpr std::uint32_t WM_ACTIVATE = 0x0006;
inline constexpr std::uint32_t WM_PAINT = 0x000F;
inline constexpr std::uint32_t WM_CLOSE = 0x0010;
inline constexpr std::uint32_t WM_QUIT = 0x0012;
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
inline constexpr std::uint32_t WM_KEYUP = 0x0101;
inline constexpr std::uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr std::uint32_t WM_SYSKEYUP = 0x0105;

inline constexpr std::uint32_t WA_INACTIVE = 0;
inline constexpr std::uint32_t WA_ACTIVE = 1;
inline constexpr std::uint32_t WA_CLICKACTIVE = 2;

inline constexpr std::uint32_t MB_OK = 0x00000000;

// Queues a message for the window's thread; callable from any thread.
bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

// Shows a modal message box where a display exists, and always writes the text
// to standard error. Returns the button pressed (1 for OK).
int MessageBox(WindowHandle owner, const wchar_t* text, const wchar_t* caption,
               std::uint32_t type);
