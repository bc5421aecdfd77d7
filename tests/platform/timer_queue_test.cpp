#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/timer.h"

namespace {

using namespace std::chrono_literals;

// Waits up to a generous deadline for a condition another thread makes true.
template <typename Condition>
bool waitFor(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

struct TickLog {
    std::atomic<int> calls{0};
    std::atomic<bool> onCallerThread{false};
    std::thread::id caller = std::this_thread::get_id();
};

void countTick(void* parameter, bool) {
    auto* log = static_cast<TickLog*>(parameter);
    if (std::this_thread::get_id() == log->caller) log->onCallerThread = true;
    ++log->calls;
}

TEST(TimerQueue, PeriodicTimerTicksRepeatedlyOnAThreadOfTheQueue) {
    TickLog log;
    TimerQueueHandle queue = CreateTimerQueue();
    ASSERT_NE(queue, nullptr);
    TimerHandle timer = nullptr;
    ASSERT_TRUE(CreateTimerQueueTimer(&timer, queue, countTick, &log, 0, 5, WT_EXECUTEDEFAULT));
    EXPECT_TRUE(waitFor([&] { return log.calls >= 3; }));
    EXPECT_TRUE(DeleteTimerQueueEx(queue, INVALID_HANDLE_VALUE));
    EXPECT_FALSE(log.onCallerThread);
}

TEST(TimerQueue, OneShotTimerFiresOnceAndItsHandleStaysDeletable) {
    TickLog log;
    TimerQueueHandle queue = CreateTimerQueue();
    TimerHandle timer = nullptr;
    ASSERT_TRUE(CreateTimerQueueTimer(&timer, queue, countTick, &log, 1, 0, WT_EXECUTEDEFAULT));
    ASSERT_TRUE(waitFor([&] { return log.calls == 1; }));
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(log.calls, 1);
    EXPECT_TRUE(DeleteTimerQueueTimer(queue, timer, nullptr));
    EXPECT_FALSE(DeleteTimerQueueTimer(queue, timer, nullptr));  // already gone
    EXPECT_TRUE(DeleteTimerQueueEx(queue, INVALID_HANDLE_VALUE));
}

TEST(TimerQueue, WaitingTimerDeletionStopsEveryLaterCall) {
    TickLog log;
    TimerQueueHandle queue = CreateTimerQueue();
    TimerHandle timer = nullptr;
    ASSERT_TRUE(CreateTimerQueueTimer(&timer, queue, countTick, &log, 0, 1, WT_EXECUTEDEFAULT));
    ASSERT_TRUE(waitFor([&] { return log.calls >= 2; }));
    ASSERT_TRUE(DeleteTimerQueueTimer(queue, timer, INVALID_HANDLE_VALUE));
    const int callsAtDeletion = log.calls;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(log.calls, callsAtDeletion);
    EXPECT_TRUE(DeleteTimerQueueEx(queue, INVALID_HANDLE_VALUE));
}

struct SelfDeletingTimer {
    TimerQueueHandle queue;
    TimerHandle timer;
    std::atomic<int> calls{0};
};

void deleteOwnTimer(void* parameter, bool) {
    auto* self = static_cast<SelfDeletingTimer*>(parameter);
    ++self->calls;
    DeleteTimerQueueTimer(self->queue, self->timer, nullptr);
}

TEST(TimerQueue, CallbackMayDeleteItsOwnTimerWithoutWaiting) {
    SelfDeletingTimer self;
    self.queue = CreateTimerQueue();
    ASSERT_TRUE(CreateTimerQueueTimer(&self.timer, self.queue, deleteOwnTimer, &self, 0, 1,
                                      WT_EXECUTEDEFAULT));
    ASSERT_TRUE(waitFor([&] { return self.calls >= 1; }));
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(self.calls, 1);
    EXPECT_TRUE(DeleteTimerQueueEx(self.queue, INVALID_HANDLE_VALUE));
}

struct SlowCallback {
    std::atomic<bool> started{false};
    std::atomic<bool> finished{false};
};

void runSlowly(void* parameter, bool) {
    auto* slow = static_cast<SlowCallback*>(parameter);
    if (slow->started.exchange(true)) return;
    std::this_thread::sleep_for(100ms);
    slow->finished = true;
}

TEST(TimerQueue, QueueDeletionWaitsForTheCallbackInProgress) {
    SlowCallback slow;
    TimerQueueHandle queue = CreateTimerQueue();
    TimerHandle timer = nullptr;
    ASSERT_TRUE(CreateTimerQueueTimer(&timer, queue, runSlowly, &slow, 0, 33, WT_EXECUTEDEFAULT));
    ASSERT_TRUE(waitFor([&] { return slow.started.load(); }));
    ASSERT_TRUE(DeleteTimerQueueEx(queue, INVALID_HANDLE_VALUE));
    EXPECT_TRUE(slow.finished);
}

TEST(TimerQueue, DeletingAnIdleQueueReturnsWithoutACall) {
    TickLog log;
    TimerQueueHandle queue = CreateTimerQueue();
    TimerHandle timer = nullptr;
    ASSERT_TRUE(CreateTimerQueueTimer(&timer, queue, countTick, &log, 60000, 0, WT_EXECUTEDEFAULT));
    EXPECT_TRUE(DeleteTimerQueueEx(queue, INVALID_HANDLE_VALUE));
    EXPECT_EQ(log.calls, 0);
}

TEST(CriticalSection, IsReentrantOnItsOwningThread) {
    CriticalSection section;
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EnterCriticalSection(&section);
    LeaveCriticalSection(&section);
    LeaveCriticalSection(&section);
    DeleteCriticalSection(&section);
    EXPECT_EQ(section.mutex, nullptr);
}

}  // namespace
