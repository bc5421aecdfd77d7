// Timer queues, the millisecond clock and critical sections (backend:
// platform/posix).
//
// A timer queue runs the callbacks of its timers on a thread of its own, never
// on the caller's thread. Callbacks of one queue run one at a time.
#pragma once

#include <cstdint>
#include <mutex>

struct TimerQueue;
using TimerQueueHandle = TimerQueue*;
struct QueueTimer;
using TimerHandle = QueueTimer*;
struct PlatformEvent;
using EventHandle = PlatformEvent*;

// As the completion event of a deletion: return only once no callback of the
// timer (or queue) is running any more. A null completion event returns at once.
inline EventHandle const INVALID_HANDLE_VALUE =
    reinterpret_cast<EventHandle>(~static_cast<std::uintptr_t>(0));

inline constexpr std::uint32_t WT_EXECUTEDEFAULT = 0;

using WaitOrTimerCallback = void (*)(void* parameter, bool timerOrWaitFired);

TimerQueueHandle CreateTimerQueue();
// The first call comes dueTime ms from now, then one every period ms (period 0:
// once). A one-shot timer's handle stays valid until it is deleted.
bool CreateTimerQueueTimer(TimerHandle* timer, TimerQueueHandle queue, WaitOrTimerCallback callback,
                           void* parameter, std::uint32_t dueTime, std::uint32_t period,
                           std::uint32_t flags);
// Callable from a callback of the same queue, but only without waiting.
bool DeleteTimerQueueTimer(TimerQueueHandle queue, TimerHandle timer, EventHandle completion);
// Deletes the queue and every timer on it. Only INVALID_HANDLE_VALUE is
// supported, and not from one of the queue's own callbacks.
bool DeleteTimerQueueEx(TimerQueueHandle queue, EventHandle completion);

// Milliseconds since an arbitrary start, as an unsigned 32-bit count that wraps.
std::uint32_t timeGetTime();

// A re-entrant lock that exists between Initialize and Delete.
struct CriticalSection {
    std::recursive_mutex* mutex = nullptr;
};

void InitializeCriticalSection(CriticalSection* section);
void EnterCriticalSection(CriticalSection* section);
void LeaveCriticalSection(CriticalSection* section);
void DeleteCriticalSection(CriticalSection* section);
