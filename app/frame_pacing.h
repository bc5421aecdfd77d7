// Frame pacing and painting: a 33 ms timer asks for paints, and every paint
// runs exactly one game frame.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/render.h"
#include "platform/timer.h"
#include "platform/window.h"

inline constexpr std::uint32_t kFramePeriod = 33;
// A tick closer than this to the previous one asks for nothing, so a burst of
// late ticks after a stall yields one frame.
inline constexpr std::uint32_t kMinTickGap = 10;

extern TimerQueueHandle timerQueue;
extern TimerHandle frameTimer;
// Written by the timer thread on every tick (and once by start-up before the first frame).
extern std::atomic<std::uint32_t> lastTick;
// Held while a frame is made and drawn.
extern CriticalSection frameLock;

// The frame timer's callback: invalidates the main window when a frame is due.
void onFrameTimer(void* parameter, bool timerOrWaitFired);
// Moves lastTick to now; true when this tick should ask for a frame.
bool takeFrameTick(std::uint32_t now);

// The WM_PAINT handler.
void renderFrame(WindowHandle window);
// One frame's content: the game's frame, then the explosions over it.
void composeFrame(RenderTarget* target);
