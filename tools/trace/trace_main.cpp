// skyrail-trace / skyrail2-trace: runs the game headless and writes its frame trace.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/trace/key_script.h"
#include "tools/trace/trace_options.h"
#include "tools/trace/trace_run.h"

namespace {

int fail(const char* program, const std::string& message) {
    const char* slash = std::strrchr(program, '/');
    std::fprintf(stderr, "%s: %s\n", slash != nullptr ? slash + 1 : program, message.c_str());
    return 2;
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

    static char outputBuffer[1 << 20];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    runTrace(options, keys, stdout);
    if (std::fflush(stdout) != 0) return fail(program, "cannot write the trace");
    return 0;
}
