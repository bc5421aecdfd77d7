#include "tools/bench/bench_options.h"

#include <string_view>

#include "tools/trace/key_script.h"

namespace {

constexpr const char* kUsage =
    "usage: [--frames N] [--from F] [--keys FILE] [--threads T] [--repeat R] [--synthetic] [--png "
    "FILE] [--soak]";

// A count from 1 to max.
bool parseCount(std::string_view text, int max, int& count) {
    std::uint32_t value = 0;
    if (!parseFrameNumber(text, value) || value < 1 || value > static_cast<std::uint32_t>(max))
        return false;
    count = static_cast<int>(value);
    return true;
}

}  // namespace

bool parseBenchOptions(int argc, const char* const* argv, BenchOptions& options,
                       std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--synthetic" || option == "--soak") {
            (option == "--soak" ? options.soak : options.synthetic) = true;
            continue;
        }
        if (option != "--frames" && option != "--from" && option != "--keys" &&
            option != "--threads" && option != "--repeat" && option != "--png") {
            error = (option.starts_with("-") ? "unknown option '" : "unexpected argument '") +
                    option + "' (" + kUsage + ")";
            return false;
        }
        if (i + 1 >= argc) {
            error = "missing value after " + option;
            return false;
        }
        const std::string_view value = argv[++i];
        bool good = true;
        if (option == "--frames") {
            good = parseFrameNumber(value, options.frames);
            options.framesGiven = true;
        } else if (option == "--from") {
            good = parseFrameNumber(value, options.from);
        } else if (option == "--threads") {
            good = parseCount(value, 64, options.threads);
        } else if (option == "--repeat") {
            good = parseCount(value, 1000, options.repeat);
        } else if (option == "--keys") {
            options.keysPath = value;
        } else {
            options.pngPath = value;
        }
        if (!good) {
            error = "bad number for " + option + ": '" + std::string(value) + "'";
            return false;
        }
    }
    return true;
}
