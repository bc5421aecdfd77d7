// The renderer benchmark: replays the stage headless (or a made-up busy
// frame), records each frame's drawing calls, then renders the recorded frame
// a few times with the software renderer and keeps the fastest run. Prints the
// median and the worst frame; the last line is
//   frames N median_ms X worst_ms Y worst_frame F
// With --soak, every pass of the stage also reports on its own, with the stage
// clock after its last frame (0 when the stage wrapped) and the peak memory:
//   pass K median_ms X worst_ms Y stage_clock C peak_rss_kb M
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/sound_bank.h"
#include "game/edition.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/explosions.h"
#include "platform/raster/png_writer.h"
#include "platform/raster/software_target.h"
#include "tools/bench/bench_assets.h"
#include "tools/bench/bench_options.h"
#include "tools/bench/op_buffer.h"
#include "tools/bench/peak_memory.h"
#include "tools/bench/synthetic_frame.h"
#include "tools/trace/key_script.h"

// The benchmark plays no sound.
void soundReplay(std::wstring_view, int, WindowHandle) {}

namespace {

constexpr SizeU kFrameSize{600, 720};
constexpr auto kPassFrames = static_cast<std::uint32_t>(kStageLength);

// The fastest of `repeat` renders of the recorded frame, in milliseconds.
double timeFrame(const OpBuffer& ops, SoftwareRenderTarget& target, int repeat) {
    double best = 1e30;
    for (int r = 0; r < repeat; ++r) {
        const auto start = std::chrono::steady_clock::now();
        target.BeginDraw();
        ops.replay(target);
        target.EndDraw();
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
    }
    return best;
}

// One frame as a paint makes it: clear to black, the game's frame, the explosions.
void recordGameFrame(OpBuffer& ops) {
    ops.Clear({0.0f, 0.0f, 0.0f, 1.0f});
    runFrame(&ops);
    drawExplosions(&ops, brush);
}

double median(std::vector<double> times) {
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    BenchOptions options;
    std::string error;
    KeyScript keys;
    if (!parseBenchOptions(argc, argv, options, error) ||
        (!options.keysPath.empty() && !readKeyScript(options.keysPath, keys, error))) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (options.synthetic && !options.framesGiven) options.frames = 20;

    const std::string notes = setUpBenchResources(SKYRAIL_DATA_DIR);
    if (!notes.empty()) std::fputs(notes.c_str(), stderr);

    SoftwareRenderTarget target(kFrameSize);
    target.setThreadCount(options.threads);
    OpBuffer ops(kFrameSize);
    renderTarget = &ops;
    resetGame();
    KeyScriptPlayer player(keys);

    std::vector<double> times;
    times.reserve(options.soak ? std::min(options.frames, kPassFrames) : options.frames);
    std::size_t mostOps = 0;
    std::uint32_t worstFrame = 0;
    std::size_t worstIndex = 0;
    PixelImage worstPicture;
    for (std::uint32_t n = 0; n < options.frames; ++n) {
        ops.BeginDraw();
        if (options.synthetic) {
            drawSyntheticFrame(&ops);
        } else {
            player.feed(n);
            recordGameFrame(ops);
        }
        ops.EndDraw();
        if (n < options.from) continue;
        mostOps = std::max(mostOps, ops.size());
        times.push_back(timeFrame(ops, target, options.repeat));
        if (times.back() >= times[worstIndex]) {
            worstIndex = times.size() - 1;
            worstFrame = n;
            if (!options.pngPath.empty()) worstPicture = target.frame();
        }
        // The timings of a pass are dropped once reported, so a soak run's memory stays flat.
        if (options.soak && (n + 1) % kPassFrames == 0) {
            std::printf("pass %u median_ms %.3f worst_ms %.3f stage_clock %g peak_rss_kb %ld\n",
                        (n + 1) / kPassFrames, median(times), times[worstIndex],
                        static_cast<double>(stageClock), peakResidentKb());
            std::fflush(stdout);
            times.clear();
            worstIndex = 0;
        }
    }
    if (times.empty()) {
        // A soak run has reported all its passes already.
        if (!options.soak) std::printf("frames 0 median_ms 0 worst_ms 0 worst_frame 0\n");
        return 0;
    }
    if (!options.pngPath.empty() && !writePng(worstPicture, options.pngPath)) {
        std::fprintf(stderr, "cannot write %s\n", options.pngPath.c_str());
        return 1;
    }

    const double worst = times[worstIndex];
    std::printf("edition %d %s threads %d repeat %d most_ops %zu\n", kEdition,
                options.synthetic ? "synthetic" : "stage", options.threads, options.repeat,
                mostOps);
    std::printf("frames %zu median_ms %.3f worst_ms %.3f worst_frame %u\n", times.size(),
                median(times), worst, worstFrame);
    return 0;
}
