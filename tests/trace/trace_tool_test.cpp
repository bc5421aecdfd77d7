// The trace tools run as programs: their command line, their errors and a full
// pass checked against the committed per-frame hashes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// args is pasted into a shell command line; the tests pass only plain words.
RunResult runTool(const std::string& tool, const std::string& args) {
    // Tests run in parallel processes: each gets its own files.
    const std::string base = testing::TempDir() + "trace_tool_test." + std::to_string(getpid());
    const std::string command = tool + " " + args + " >" + base + ".out 2>" + base + ".err";
    const int status = std::system(command.c_str());
    RunResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(base + ".out");
    result.err = readFile(base + ".err");
    return result;
}

std::string writeTemp(const std::string& name, const std::string& text) {
    const std::string path = testing::TempDir() + name + "." + std::to_string(getpid());
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(TraceTool, BadCommandLinesExitWith2AndOneLineOnStderr) {
    const std::string badKeys = writeTemp("bad.keys", "10 L\n12 Q\n");
    const std::string unordered = writeTemp("unordered.keys", "10 L\n10 R\n");
    const std::string cases[] = {
        "--bogus",
        "--frames",
        "--frames abc",
        "--frames 99999999999",
        "--dump 5-3",
        "--dump x",
        "stray",
        "--keys /nonexistent/keys",
        "--keys " + badKeys,
        "--keys " + unordered,
    };
    for (const std::string& args : cases) {
        const RunResult run = runTool(SKYRAIL_TRACE_TOOL, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args << ": no frame may run";
        ASSERT_FALSE(run.err.empty()) << args;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << args << ": " << run.err;
        EXPECT_EQ(run.err.rfind("skyrail-trace: ", 0), 0u) << run.err;
    }
}

TEST(TraceTool, DumpsOpLinesBeforeTheSummaryOfTheirFrame) {
    const RunResult run = runTool(SKYRAIL_TRACE_TOOL, "--frames 3 --dump 1");
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("frame 0 ops ", 0), 0u) << line;
    std::getline(lines, line);
    EXPECT_EQ(line, "clear 0 0 0 1");
    int ops = 1;
    while (std::getline(lines, line) && line.rfind("frame ", 0) != 0) ++ops;
    EXPECT_EQ(line.rfind("frame 1 ops " + std::to_string(ops) + " hash ", 0), 0u) << line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind("frame 2 ops ", 0), 0u) << line;
    EXPECT_FALSE(std::getline(lines, line));
}

TEST(TraceTool, PngDrawsTheDumpedFramesWithoutChangingTheTrace) {
    const std::string directory = testing::TempDir() + "trace_pictures." + std::to_string(getpid());
    std::system(("rm -rf " + directory + " && mkdir " + directory).c_str());
    const RunResult plain = runTool(SKYRAIL_TRACE_TOOL, "--frames 4 --dump 2-3");
    const RunResult drawn = runTool(SKYRAIL_TRACE_TOOL, "--frames 4 --dump 2-3 --png " + directory);
    ASSERT_EQ(drawn.status, 0) << drawn.err;
    EXPECT_EQ(drawn.out, plain.out);
    for (const char* name : {"/frame-00002.png", "/frame-00003.png"}) {
        EXPECT_EQ(readFile(directory + name).substr(0, 8), "\x89PNG\r\n\x1a\n") << name;
    }
    EXPECT_TRUE(readFile(directory + "/frame-00001.png").empty());
}

// A full pass with the committed key script against the committed hashes (builds
// with sanitizers, many times slower, check the first SKYRAIL_GOLDEN_FRAMES). After
// a deliberate change of the game, regenerate them with tools/trace/update-golden.sh.
void expectGoldenPass(const std::string& tool, const std::string& golden) {
    const RunResult run = runTool(tool, "--frames " + std::to_string(SKYRAIL_GOLDEN_FRAMES) +
                                            " --keys " SKYRAIL_GOLDEN_DIR "/full-pass.keys");
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream want(readFile(std::string(SKYRAIL_GOLDEN_DIR "/") + golden));
    std::istringstream got(run.out);
    std::string wantLine;
    std::string gotLine;
    int frames = 0;
    while (frames < SKYRAIL_GOLDEN_FRAMES && std::getline(want, wantLine)) {
        std::getline(got, gotLine);
        ASSERT_EQ(gotLine, wantLine) << "first frame that differs from " << golden;
        ++frames;
    }
    EXPECT_EQ(frames, SKYRAIL_GOLDEN_FRAMES) << golden << " is short";
    EXPECT_FALSE(std::getline(got, gotLine)) << "more frames than asked for";
}

TEST(TraceTool, FirstEditionFullPassMatchesTheGoldenHashes) {
    expectGoldenPass(SKYRAIL_TRACE_TOOL, "skyrail-trace.hashes");
}

TEST(TraceTool, SecondEditionFullPassMatchesTheGoldenHashes) {
    expectGoldenPass(SKYRAIL2_TRACE_TOOL, "skyrail2-trace.hashes");
}

}  // namespace
