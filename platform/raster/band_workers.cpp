#include "platform/raster/band_workers.h"

#include <algorithm>

BandWorkers::BandWorkers(int threads) {
    for (int i = 1; i < threads; ++i) workers_.emplace_back([this] { work(); });
}

BandWorkers::~BandWorkers() {
    {
        const std::lock_guard<std::mutex> hold(mutex_);
        stopping_ = true;
    }
    start_.notify_all();
    for (std::thread& t : workers_) t.join();
}

void BandWorkers::run(int height, int bandHeight, Job job, void* context) {
    {
        const std::lock_guard<std::mutex> hold(mutex_);
        job_ = job;
        context_ = context;
        height_ = height;
        bandHeight_ = std::max(bandHeight, 1);
        nextBand_.store(0, std::memory_order_relaxed);
        busy_ = static_cast<int>(workers_.size());
        ++round_;
    }
    start_.notify_all();
    takeBands();
    std::unique_lock<std::mutex> hold(mutex_);
    finished_.wait(hold, [this] { return busy_ == 0; });
}

void BandWorkers::takeBands() {
    for (;;) {
        const int top = nextBand_.fetch_add(1, std::memory_order_relaxed) * bandHeight_;
        if (top >= height_) return;
        job_(context_, {top, std::min(top + bandHeight_, height_)});
    }
}

void BandWorkers::work() {
    std::uint64_t seen = 0;
    for (;;) {
        {
            std::unique_lock<std::mutex> hold(mutex_);
            start_.wait(hold, [&] { return stopping_ || round_ != seen; });
            if (stopping_) return;
            seen = round_;
        }
        takeBands();
        {
            const std::lock_guard<std::mutex> hold(mutex_);
            --busy_;
        }
        finished_.notify_one();
    }
}
