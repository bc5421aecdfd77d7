#include "tools/trace/trace_run.h"

#include <cinttypes>

#include "assets/sound_bank.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/explosions.h"
#include "tools/trace/trace_recorder.h"

// The trace's sound bank: every replay becomes a "sound" line of the frame.
void soundReplay(std::wstring_view alias, int, WindowHandle) {
    if (traceSoundRecorder != nullptr) traceSoundRecorder->recordSound(alias);
}

namespace {

// The shared drawing resources of a trace: no device, only names and colours matter.
struct TraceResources {
    Brush brush{{0.0f, 0.0f, 0.0f, 1.0f}};
    StrokeStyle stroke{{CapStyle::Round, CapStyle::Round, CapStyle::Flat, LineJoin::Miter, 10.0f,
                        DashStyle::Solid, 0.0f}};
    TextFormat largeText{
        {L"", FONT_WEIGHT_BLACK, FontStyle::Normal, FONT_STRETCH_EXTRA_EXPANDED, 56.0f, L""}};
    Bitmap ship{PixelImage{}};
    Bitmap background{PixelImage{}};
};

}  // namespace

void runTrace(const TraceOptions& options, const KeyScript& keys, std::FILE* out) {
    TraceRecorder recorder;
    TraceResources resources;
    renderTarget = &recorder;
    brush = &resources.brush;
    glowStroke = &resources.stroke;
    largeTextFormat = &resources.largeText;
    shipBitmap = &resources.ship;
    backgroundBitmap = &resources.background;
    traceSoundRecorder = &recorder;

    resetGame();
    KeyScriptPlayer player(keys);
    for (std::uint32_t frame = 0; frame < options.frames; ++frame) {
        player.feed(frame);
        const bool dump = options.dump && frame >= options.dumpFirst && frame <= options.dumpLast;
        recorder.beginFrame(dump);
        // Exactly what one paint does between BeginDraw and EndDraw.
        recorder.Clear({0.0f, 0.0f, 0.0f, 1.0f});
        runFrame(&recorder);
        drawExplosions(&recorder, brush);
        if (dump) std::fwrite(recorder.keptLines().data(), 1, recorder.keptLines().size(), out);
        std::fprintf(out, "frame %" PRIu32 " ops %" PRIu32 " hash %016" PRIx64 "\n", frame,
                     recorder.opCount(), recorder.hash());
    }

    traceSoundRecorder = nullptr;
    renderTarget = nullptr;
    brush = nullptr;
    glowStroke = nullptr;
    largeTextFormat = nullptr;
    shipBitmap = nullptr;
    backgroundBitmap = nullptr;
}
