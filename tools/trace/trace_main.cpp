// skyrail-trace / skyrail2-trace: runs the game headless and writes its frame trace.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/trace/frame_pictures.h"
#include "tools/trace/key_script.h"
#include "tools/trace/trace_options.h"
#include "tools/trace/trace_run.h"

namespace {

// Status 2: the command line or an input is wrong and no frame has run; 1: a run failed.
int fail(const char* program, const std::string& message, int status = 2) {
    const char* slash = std::strrchr(program, '/');
    std::fprintf(stderr, "%s: %s\n", slash != nullptr ? slash + 1 : program, message.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const char* program = argc > 0 ? argv[0] : "skyrail-trace";
    TraceOptions options;
    KeyScript keys;
    std::string error;
    if (!parseTraceOptions(argc, argv, options, error)) return fail(program, error);
    if (!options.keysPath.empty() && !readKeyScript(options.keysPath, keys, error)) {
        return fail(program, error);
    }

    FramePictures pictures;
    const bool drawing = !options.pngDirectory.empty();
    if (drawing && !pictures.open(SKYRAIL_DATA_DIR, options.pngDirectory, error)) {
        return fail(program, error);
    }

    static char outputBuffer[1 << 20];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    const bool ran = runTrace(options, keys, drawing ? &pictures : nullptr, stdout, error);
    if (std::fflush(stdout) != 0) return fail(program, "cannot write the trace", 1);
    if (!ran) return fail(program, error, 1);
    return 0;
}
