// One trace run: the game from resetGame through the trace recorder, frame by
// frame, with the op lines of the dumped frames and every frame's summary line
// written to out. Runs once per process: the game state lives in the process.
#pragma once

#include <cstdio>
#include <string>

#include "tools/trace/frame_pictures.h"
#include "tools/trace/key_script.h"
#include "tools/trace/trace_options.h"

// With pictures, the dumped frames are also drawn and written as PNG files; a
// picture that cannot be written stops the run with false and one line in error.
bool runTrace(const TraceOptions& options, const KeyScript& keys, FramePictures* pictures,
              std::FILE* out, std::string& error);
