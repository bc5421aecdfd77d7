// One trace run: the game from resetGame through the trace recorder, frame by
// frame, with the op lines of the dumped frames and every frame's summary line
// written to out. Runs once per process: the game state lives in the process.
#pragma once

#include <cstdio>

#include "tools/trace/key_script.h"
#include "tools/trace/trace_options.h"

void runTrace(const TraceOptions& options, const KeyScript& keys, std::FILE* out);
