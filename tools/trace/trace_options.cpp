#include "tools/trace/trace_options.h"

#include <string_view>

#include "tools/trace/key_script.h"

namespace {

constexpr const char* kUsage = "usage: [--frames N] [--keys FILE] [--dump A-B] [--png DIR]";

bool parseDumpRange(std::string_view text, TraceOptions& options) {
    const std::size_t dash = text.find('-');
    const std::string_view first = text.substr(0, dash);
    const std::string_view last = dash == std::string_view::npos ? first : text.substr(dash + 1);
    return parseFrameNumber(first, options.dumpFirst) && parseFrameNumber(last, options.dumpLast) &&
           options.dumpFirst <= options.dumpLast;
}

}  // namespace

bool parseTraceOptions(int argc, const char* const* argv, TraceOptions& options,
                       std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option != "--frames" && option != "--keys" && option != "--dump" && option != "--png") {
            error = (option.starts_with("-") ? "unknown option '" : "unexpected argument '") +
                    std::string(option) + "' (" + kUsage + ")";
            return false;
        }
        if (i + 1 >= argc) {
            error = "missing value after " + std::string(option);
            return false;
        }
        const std::string_view value = argv[++i];
        if (option == "--frames") {
            if (!parseFrameNumber(value, options.frames)) {
                error = "bad number for --frames: '" + std::string(value) +
                        "' (a whole number from 0 to 4294967295)";
                return false;
            }
        } else if (option == "--keys") {
            options.keysPath = value;
        } else if (option == "--png") {
            options.pngDirectory = value;
        } else {
            if (!parseDumpRange(value, options)) {
                error = "bad frame range for --dump: '" + std::string(value) +
                        "' (A or A-B with A <= B)";
                return false;
            }
            options.dump = true;
        }
    }
    if (!options.pngDirectory.empty() && !options.dump) {
        error = "--png draws the dumped frames: give them with --dump A-B";
        return false;
    }
    return true;
}
