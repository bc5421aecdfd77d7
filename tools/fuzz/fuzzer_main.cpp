// The libFuzzer entry point, built once per check: SKYRAIL_FUZZ_CHECK names
// the check of fuzz_checks.h. A broken promise aborts, which libFuzzer
// reports as a crash and saves the input.
#include <cstdio>
#include <cstdlib>

#include "tools/fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzOutcome outcome = SKYRAIL_FUZZ_CHECK(data, size);
    if (!outcome.fault.empty()) {
        std::fprintf(stderr, "%s\n", outcome.fault.c_str());
        std::abort();
    }
    return 0;
}
