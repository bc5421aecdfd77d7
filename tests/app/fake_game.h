// The game under the shell in these tests: it only writes down that a frame
// ran, so the tests see exactly when and how often the shell runs one.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "tests/support/op_recorder.h"

// Frames run so far; the program test reads it from another thread.
extern std::atomic<int> framesRun;
extern int gameResets;
// What a paint did, in order: the target's calls and the game's frame.
extern std::vector<std::string> frameLog;

// A recording target that also logs its frame brackets and can report a device loss.
class LoggingTarget : public OpRecorder {
  public:
    explicit LoggingTarget(HResult endDrawResult) : endDrawResult_(endDrawResult) {}
    void BeginDraw() override { frameLog.emplace_back("BeginDraw"); }
    void Clear(const ColorF& color) override {
        OpRecorder::Clear(color);
        frameLog.emplace_back("Clear");
    }
    HResult EndDraw() override {
        frameLog.emplace_back("EndDraw");
        return endDrawResult_;
    }

  private:
    HResult endDrawResult_;
};
