// The benchmark's command line:
//   [--frames N] [--from F] [--keys FILE] [--threads T] [--repeat R] [--synthetic] [--png FILE]
//   [--soak]
#pragma once

#include <cstdint>
#include <string>

struct BenchOptions {
    std::uint32_t frames = 14300;  // one pass of the stage
    bool framesGiven = false;
    std::uint32_t from = 0;  // frames before this one are run but not rendered
    std::string keysPath;    // empty: no key is ever pressed
    int threads = 1;         // threads that render each frame
    int repeat = 3;          // renders of each frame; the fastest counts
    bool synthetic = false;  // time a made-up busy frame instead of the stage
    std::string pngPath;     // where to write the slowest frame's picture, if anywhere
    bool soak = false;       // a report per pass of the stage, timings kept for one pass only
};

// On failure returns false and sets error to one line naming the fault.
bool parseBenchOptions(int argc, const char* const* argv, BenchOptions& options,
                       std::string& error);
