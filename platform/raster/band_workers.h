// Worker threads that share one job over the row bands of a frame. The caller
// works too, and run() returns when every band is done. Bands are taken in
// order from a shared counter, so a busy band does not hold up the others.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/raster/pixel_span.h"

class BandWorkers {
  public:
    using Job = void (*)(void* context, RowBand band);

    // `threads` counts the caller: threads - 1 workers are started.
    explicit BandWorkers(int threads);
    ~BandWorkers();
    BandWorkers(const BandWorkers&) = delete;
    BandWorkers& operator=(const BandWorkers&) = delete;

    int threads() const { return static_cast<int>(workers_.size()) + 1; }
    void run(int height, int bandHeight, Job job, void* context);

  private:
    void work();
    void takeBands();

    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable start_;
    std::condition_variable finished_;
    std::uint64_t round_ = 0;  // bumped for every run(); workers wait for a new value
    int busy_ = 0;             // workers still in the current round
    bool stopping_ = false;
    Job job_ = nullptr;
    void* context_ = nullptr;
    int height_ = 0;
    int bandHeight_ = 1;
    std::atomic<int> nextBand_{0};
};
