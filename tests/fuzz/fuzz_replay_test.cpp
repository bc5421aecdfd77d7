// Replays the committed fuzz inputs: the seeds of corpus/<fuzzer>/ and the
// inputs that once crashed or hung a fuzzer, regressions/<fuzzer>/. Every input
// must pass its check, and lands on the side its name says: a file whose name
// starts with "rejected_" must be refused with a clear error, any other taken.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tools/fuzz/fuzz_checks.h"

namespace {

namespace fs = std::filesystem;
using Check = FuzzOutcome (*)(const std::uint8_t*, std::size_t);

std::vector<fs::path> inputsIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (fs::is_directory(folder)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void replay(const std::vector<fs::path>& files, Check check) {
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.string());
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        const FuzzOutcome outcome = check(bytes.data(), bytes.size());
        EXPECT_EQ(outcome.fault, "");
        const bool rejectedByName = file.filename().string().rfind("rejected_", 0) == 0;
        EXPECT_EQ(outcome.accepted, !rejectedByName);
    }
}

void replayFuzzer(const char* name, Check check) {
    const fs::path inputs = SKYRAIL_FUZZ_INPUTS;
    const std::vector<fs::path> seeds = inputsIn(inputs / "corpus" / name);
    ASSERT_FALSE(seeds.empty()) << "no seeds in " << (inputs / "corpus" / name);
    replay(seeds, check);
    replay(inputsIn(inputs / "regressions" / name), check);
}

TEST(FuzzReplay, KeyScripts) {
    replayFuzzer("key_script", checkKeyScript);
}

TEST(FuzzReplay, Pictures) {
    replayFuzzer("image", checkImage);
}

TEST(FuzzReplay, Sounds) {
    replayFuzzer("sound", checkSound);
}

}  // namespace
