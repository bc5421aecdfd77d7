// The one main window: its class, its placement and its window procedure.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/window.h"

inline constexpr const wchar_t* kWindowClassName = L"__LB_DX2DDEMO_WINDOW";
inline constexpr int kClientWidth = 600;
inline constexpr int kClientHeight = 720;

// Set once, before the frame timer exists; the timer thread reads it.
extern WindowHandle mainWindow;
// 1 while the main window is inactive; written by the UI thread, read by the timer thread.
extern std::atomic<std::int32_t> paused;

// Registers the class and creates the window, not yet shown; null on failure.
WindowHandle createMainWindow(InstanceHandle instance);
LResult windowProc(WindowHandle window, std::uint32_t message, WParam wParam, LParam lParam);

// Where a window of the given length starts so that it is centred on [low, high).
int centredOrigin(int low, int high, int length);
