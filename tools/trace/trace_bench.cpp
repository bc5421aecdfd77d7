// Speed of a full pass of the stage: the game alone with a target that draws
// nothing, and the first edition's trace without dumping. Both fire and move
// all through the pass, so the frames are as busy as play makes them.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/explosions.h"
#include "tools/trace/key_script.h"
#include "tools/trace/trace_run.h"

namespace {

class NullTarget : public RenderTarget {
  public:
    void BeginDraw() override {}
    void Clear(const ColorF&) override {}
    void DrawLine(PointF, PointF, Brush*, float, StrokeStyle*) override {}
    void DrawEllipse(const EllipseF&, Brush*, float, StrokeStyle*) override {}
    void DrawRectangle(const RectF&, Brush*, float, StrokeStyle*) override {}
    void DrawRoundedRectangle(const RoundedRectF&, Brush*, float, StrokeStyle*) override {}
    void FillEllipse(const EllipseF&, Brush*) override {}
    void DrawBitmap(Bitmap*, const RectF&, float, BitmapInterpolation, const RectF&) override {}
    void DrawText(const wchar_t*, std::uint32_t, TextFormat*, const RectF&, Brush*) override {}
    HResult EndDraw() override { return S_OK; }
    SizeU GetPixelSize() const override { return {600, 720}; }
};

// Sweeps left and right across the ship's area, firing every eight frames.
KeyScript busyKeys() {
    KeyScript keys;
    for (std::uint32_t frame = 0; frame < 14300; frame += 4) {
        const bool left = (frame / 160) % 2 == 0;
        std::uint8_t held = left ? kKeyLeft : kKeyRight;
        if (frame % 8 == 0) held |= kKeySpace;
        keys.lines.push_back({frame, held});
    }
    return keys;
}

void gameAlone(benchmark::State& state) {
    NullTarget target;
    Brush nullBrush{{0.0f, 0.0f, 0.0f, 1.0f}};
    TextFormat text{{L"", FONT_WEIGHT_BLACK, FontStyle::Normal, FONT_STRETCH_NORMAL, 56.0f, L""}};
    brush = &nullBrush;
    largeTextFormat = &text;
    const KeyScript keys = busyKeys();
    for (auto _ : state) {
        resetGame();
        KeyScriptPlayer player(keys);
        for (std::uint32_t frame = 0; frame < 14300; ++frame) {
            player.feed(frame);
            target.Clear({0.0f, 0.0f, 0.0f, 1.0f});
            runFrame(&target);
            drawExplosions(&target, brush);
        }
    }
    brush = nullptr;
    largeTextFormat = nullptr;
}
BENCHMARK(gameAlone)->Unit(benchmark::kMillisecond);

void tracePass(benchmark::State& state) {
    std::FILE* sink = std::fopen("/dev/null", "w");
    const KeyScript keys = busyKeys();
    std::string error;
    for (auto _ : state) runTrace(TraceOptions{}, keys, nullptr, sink, error);
    std::fclose(sink);
}
BENCHMARK(tracePass)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
