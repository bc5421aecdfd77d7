#include "tools/trace/trace_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool parse(std::vector<const char*> args, TraceOptions& options, std::string& error) {
    args.insert(args.begin(), "skyrail-trace");
    return parseTraceOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(TraceOptions, DefaultsAndEveryOption) {
    TraceOptions options;
    std::string error;
    ASSERT_TRUE(parse({}, options, error));
    EXPECT_EQ(options.frames, 14300u);
    EXPECT_TRUE(options.keysPath.empty());
    EXPECT_FALSE(options.dump);

    ASSERT_TRUE(parse({"--frames", "0", "--keys", "k.txt", "--dump", "3-9"}, options, error));
    EXPECT_EQ(options.frames, 0u);
    EXPECT_EQ(options.keysPath, "k.txt");
    EXPECT_TRUE(options.dump);
    EXPECT_EQ(options.dumpFirst, 3u);
    EXPECT_EQ(options.dumpLast, 9u);

    ASSERT_TRUE(parse({"--dump", "42", "--png", "pictures"}, options, error));
    EXPECT_EQ(options.dumpFirst, 42u);
    EXPECT_EQ(options.dumpLast, 42u);
    EXPECT_EQ(options.pngDirectory, "pictures");
}

struct BadOptions {
    std::vector<const char*> args;
    std::string fault;
};

TEST(TraceOptions, BadOptionsNameTheirFault) {
    const BadOptions cases[] = {
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-f", "3"}, "unknown option '-f'"},
        {{"extra"}, "unexpected argument 'extra'"},
        {{"--frames"}, "missing value after --frames"},
        {{"--frames", "12", "--keys"}, "missing value after --keys"},
        {{"--frames", "abc"}, "bad number for --frames: 'abc'"},
        {{"--frames", "-1"}, "bad number for --frames"},
        {{"--frames", "4294967296"}, "bad number for --frames"},
        {{"--frames", ""}, "bad number for --frames"},
        {{"--dump", "5-3"}, "bad frame range for --dump: '5-3'"},
        {{"--dump", "1-"}, "bad frame range"},
        {{"--dump", "-4"}, "bad frame range"},
        {{"--dump", "1-2-3"}, "bad frame range"},
        {{"--dump", "x"}, "bad frame range"},
        {{"--png", "pictures"}, "--png draws the dumped frames"},
    };
    for (const BadOptions& c : cases) {
        TraceOptions options;
        std::string error;
        EXPECT_FALSE(parse(c.args, options, error)) << c.fault;
        EXPECT_NE(error.find(c.fault), std::string::npos) << "got: " << error;
    }
}

}  // namespace
