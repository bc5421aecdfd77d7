#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <new>
#include <thread>
#include <vector>

#include "platform/timer.h"

using Clock = std::chrono::steady_clock;

struct QueueTimer {
    WaitOrTimerCallback callback;
    void* parameter;
    Clock::time_point due;
    std::chrono::milliseconds period;
    bool armed;         // false once a one-shot timer has fired
    bool freeOnReturn;  // deleted during its own callback: the worker frees it afterwards
};

struct TimerQueue {
    std::mutex mutex;
    std::condition_variable wake;      // a timer came or went, or the queue is stopping
    std::condition_variable finished;  // a callback has returned
    std::vector<QueueTimer*> timers;
    QueueTimer* running = nullptr;
    bool stopping = false;
    std::thread worker;
};

namespace {

QueueTimer* findNextDue(const TimerQueue& queue) {
    QueueTimer* next = nullptr;
    for (QueueTimer* timer : queue.timers) {
        if (timer->armed && (next == nullptr || timer->due < next->due)) next = timer;
    }
    return next;
}

void rescheduleTimer(QueueTimer& timer, Clock::time_point now) {
    if (timer.period.count() == 0) {
        timer.armed = false;
        return;
    }
    // Fixed rate, but a stall skips the ticks it missed instead of replaying them.
    timer.due += timer.period;
    if (timer.due <= now) timer.due = now + timer.period;
}

void runTimers(TimerQueue* queue) {
    std::unique_lock lock(queue->mutex);
    while (!queue->stopping) {
        QueueTimer* timer = findNextDue(*queue);
        if (timer == nullptr) {
            queue->wake.wait(lock);
            continue;
        }
        const Clock::time_point now = Clock::now();
        if (now < timer->due) {
            // A copy: the timer may be deleted while this thread waits.
            const Clock::time_point due = timer->due;
            queue->wake.wait_until(lock, due);
            continue;
        }
        // Rescheduled before the call, so a slow callback does not stretch the period.
        rescheduleTimer(*timer, now);
        queue->running = timer;
        lock.unlock();
        timer->callback(timer->parameter, true);
        lock.lock();
        queue->running = nullptr;
        if (timer->freeOnReturn) delete timer;
        queue->finished.notify_all();
    }
}

bool onQueueThread(const TimerQueue& queue) {
    return queue.worker.get_id() == std::this_thread::get_id();
}

}  // namespace

TimerQueueHandle CreateTimerQueue() {
    auto* queue = new (std::nothrow) TimerQueue();
    if (queue == nullptr) return nullptr;
    queue->worker = std::thread(runTimers, queue);
    return queue;
}

bool CreateTimerQueueTimer(TimerHandle* timer, TimerQueueHandle queue, WaitOrTimerCallback callback,
                           void* parameter, std::uint32_t dueTime, std::uint32_t period,
                           std::uint32_t) {
    if (timer == nullptr || queue == nullptr || callback == nullptr) return false;
    auto* created = new (std::nothrow) QueueTimer{callback,
                                                  parameter,
                                                  Clock::now() + std::chrono::milliseconds(dueTime),
                                                  std::chrono::milliseconds(period),
                                                  true,
                                                  false};
    if (created == nullptr) return false;
    {
        // The handle is stored under the lock, so a callback that deletes its own
        // timer finds it stored even when it is due at once.
        std::lock_guard lock(queue->mutex);
        queue->timers.push_back(created);
        *timer = created;
    }
    queue->wake.notify_one();
    return true;
}

bool DeleteTimerQueueTimer(TimerQueueHandle queue, TimerHandle timer, EventHandle completion) {
    if (queue == nullptr || timer == nullptr) return false;
    std::unique_lock lock(queue->mutex);
    auto found = std::find(queue->timers.begin(), queue->timers.end(), timer);
    if (found == queue->timers.end()) return false;
    queue->timers.erase(found);
    if (queue->running == timer) {
        // A callback cannot wait for itself to return.
        if (completion == INVALID_HANDLE_VALUE && !onQueueThread(*queue)) {
            queue->finished.wait(lock, [&] { return queue->running != timer; });
            delete timer;
        } else {
            timer->freeOnReturn = true;
        }
    } else {
        delete timer;
    }
    lock.unlock();
    queue->wake.notify_one();
    return true;
}

bool DeleteTimerQueueEx(TimerQueueHandle queue, EventHandle completion) {
    if (queue == nullptr || completion != INVALID_HANDLE_VALUE || onQueueThread(*queue)) {
        return false;
    }
    {
        std::lock_guard lock(queue->mutex);
        queue->stopping = true;
    }
    queue->wake.notify_one();
    queue->worker.join();  // returns once a callback still running has returned
    for (QueueTimer* timer : queue->timers) delete timer;
    delete queue;
    return true;
}
