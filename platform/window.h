// Windows, messages and message boxes (backend: platform/sdl).
//
// One UI thread owns the windows and runs the message loop. PostMessage and
// InvalidateRect may be called from any thread; everything else belongs to the
// UI thread.
#pragma once

#include <cstdint>

struct PlatformWindow;
using WindowHandle = PlatformWindow*;
struct PlatformInstance;
using InstanceHandle = PlatformInstance*;
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
inline constexpr int IDOK = 1;

inline constexpr std::uint32_t CS_VREDRAW = 0x0001;
inline constexpr std::uint32_t CS_HREDRAW = 0x0002;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWDEFAULT = 10;

inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXDLGFRAME = 7;
inline constexpr int SM_CYDLGFRAME = 8;

inline constexpr std::uint32_t SPI_GETWORKAREA = 0x0030;

// Stock icon, cursor and brush ids. The backend shows its own default icon and
// arrow cursor; the stock handles only identify what a class asked for.
inline constexpr int IDI_APPLICATION = 32512;
inline constexpr int IDC_ARROW = 32512;
inline constexpr int BLACK_BRUSH = 4;
using StockHandle = std::uintptr_t;

struct RectI {
    std::int32_t left, top, right, bottom;
};

using WindowProc = LResult (*)(WindowHandle window, std::uint32_t message, WParam wParam,
                               LParam lParam);

struct WindowClass {
    std::uint32_t style;
    WindowProc windowProc;
    int classExtra;
    int windowExtra;
    InstanceHandle instance;
    StockHandle icon;
    StockHandle cursor;
    StockHandle background;
    const wchar_t* menuName;
    const wchar_t* className;
    StockHandle smallIcon;
};

struct Message {
    WindowHandle window;  // null for a message posted to the thread
    std::uint32_t message;
    WParam wParam;
    LParam lParam;
};

struct PaintStruct {
    RectI paint;  // the area to repaint: always the whole client area here
};

InstanceHandle GetModuleHandle(const wchar_t* moduleName);
StockHandle LoadIcon(InstanceHandle instance, int id);
StockHandle LoadCursor(InstanceHandle instance, int id);
StockHandle GetStockObject(int id);

// Returns a non-zero atom, or 0 when the name is already registered for the
// instance or the window system cannot be opened.
std::uint16_t RegisterClass(const WindowClass& windowClass);
// Fails while a window of the class still exists.
bool UnregisterClass(const wchar_t* className, InstanceHandle instance);
// The registered fields, or null when no such class is registered.
const WindowClass* GetClassInfo(InstanceHandle instance, const wchar_t* className);

// (x, y, width, height) is the outer rectangle of the window; the window is
// created hidden and not resizable. Returns null on failure.
WindowHandle CreateWindow(std::uint32_t exStyle, const wchar_t* className, const wchar_t* title,
                          std::uint32_t style, int x, int y, int width, int height,
                          WindowHandle parent, const void* menu, InstanceHandle instance,
                          const void* parameter);
// Sends WM_DESTROY to the window procedure, then removes the window.
bool DestroyWindow(WindowHandle window);
bool ShowWindow(WindowHandle window, int showCommand);
// Sends WM_PAINT at once if any part of the window needs painting.
bool UpdateWindow(WindowHandle window);
bool GetClientRect(WindowHandle window, RectI* rect);
// The outer rectangle in screen coordinates.
bool GetWindowRect(WindowHandle window, RectI* rect);
int GetSystemMetrics(int index);
// Only SPI_GETWORKAREA: the usable bounds of the primary display.
bool SystemParametersInfo(std::uint32_t action, std::uint32_t uiParam, void* pvParam,
                          std::uint32_t winIni);

// Marks the whole client area for repainting. Any thread may call it; several
// invalidations before the next paint merge into one WM_PAINT.
bool InvalidateRect(WindowHandle window, const RectI* rect, bool erase);
// True while the window needs painting; rect receives the client area.
bool GetUpdateRect(WindowHandle window, RectI* rect, bool erase);
// BeginPaint validates the window: invalidations after it ask for another paint.
void BeginPaint(WindowHandle window, PaintStruct* paint);
bool EndPaint(WindowHandle window, const PaintStruct* paint);

// Waits for the next message. Returns 0 for WM_QUIT (its exit code in wParam),
// -1 if the window system fails, else 1. Posted and input messages come first,
// then the quit request, then WM_PAINT for a window that needs painting.
int GetMessage(Message* message);
LResult DispatchMessage(const Message* message);
LResult DefWindowProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);
void PostQuitMessage(int exitCode);

// Queues a message for the window's thread; callable from any thread.
bool PostMessage(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

// Shows a modal message box where a display exists, and always writes the text
// to standard error. Returns the button pressed (1 for OK).
// SKYRAIL_NO_MESSAGE_BOX=1 in the environment keeps the box from showing.
int MessageBox(WindowHandle owner, const wchar_t* text, const wchar_t* caption, std::uint32_t type);
