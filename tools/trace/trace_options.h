// The command line of the trace tools:
// [--frames N] [--keys FILE] [--dump A-B] [--png DIR].
#pragma once

#include <cstdint>
#include <string>

struct TraceOptions {
    std::uint32_t frames = 14300;  // one pass of the stage
    std::string keysPath;          // empty: no key is ever pressed
    bool dump = false;
    std::uint32_t dumpFirst = 0;
    std::uint32_t dumpLast = 0;
    std::string pngDirectory;  // empty: no pictures; else the dumped frames are drawn there
};

// On failure returns false and sets error to one line naming the fault.
bool parseTraceOptions(int argc, const char* const* argv, TraceOptions& options,
                       std::string& error);
