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

// The shared drawing resources of a trace, made as the application makes them.
struct TraceResources {
    Brush brush{{0.0f, 0.0f, 0.0f, 1.0f}};
    StrokeStyle stroke{{CapStyle::Round, CapStyle::Round, CapStyle::Flat, LineJoin::Miter, 10.0f,
                        DashStyle::Solid, 0.0f}};
    TextFormat largeText{{L"メイリオ", FONT_WEIGHT_BLACK, FontStyle::Normal,
                          FONT_STRETCH_EXTRA_EXPANDED, 56.0f, L""}};
    // Only the names of the bitmaps reach the trace; pictures need the real ones.
    Bitmap ship{PixelImage{}};
    Bitmap background{PixelImage{}};
};

// Passes every drawing call to the recorder and to the picture's target.
class TeeTarget : public RenderTarget {
  public:
    TeeTarget(RenderTarget& first, RenderTarget& second) : first_(first), second_(second) {}

    void BeginDraw() override {}
    void Clear(const ColorF& color) override {
        first_.Clear(color);
        second_.Clear(color);
    }
    void DrawLine(PointF from, PointF to, Brush* brush, float width, StrokeStyle* style) override {
        first_.DrawLine(from, to, brush, width, style);
        second_.DrawLine(from, to, brush, width, style);
    }
    void DrawEllipse(const EllipseF& e, Brush* brush, float width, StrokeStyle* style) override {
        first_.DrawEllipse(e, brush, width, style);
        second_.DrawEllipse(e, brush, width, style);
    }
    void DrawRectangle(const RectF& r, Brush* brush, float width, StrokeStyle* style) override {
        first_.DrawRectangle(r, brush, width, style);
        second_.DrawRectangle(r, brush, width, style);
    }
    void DrawRoundedRectangle(const RoundedRectF& r, Brush* brush, float width,
                              StrokeStyle* style) override {
        first_.DrawRoundedRectangle(r, brush, width, style);
        second_.DrawRoundedRectangle(r, brush, width, style);
    }
    void FillEllipse(const EllipseF& e, Brush* brush) override {
        first_.FillEllipse(e, brush);
        second_.FillEllipse(e, brush);
    }
    void DrawBitmap(Bitmap* bitmap, const RectF& destination, float opacity,
                    BitmapInterpolation interpolation, const RectF& source) override {
        first_.DrawBitmap(bitmap, destination, opacity, interpolation, source);
        second_.DrawBitmap(bitmap, destination, opacity, interpolation, source);
    }
    void DrawText(const wchar_t* text, std::uint32_t length, TextFormat* format,
                  const RectF& layout, Brush* brush) override {
        first_.DrawText(text, length, format, layout, brush);
        second_.DrawText(text, length, format, layout, brush);
    }
    HResult EndDraw() override { return S_OK; }
    SizeU GetPixelSize() const override { return first_.GetPixelSize(); }

  private:
    RenderTarget& first_;
    RenderTarget& second_;
};

}  // namespace

bool runTrace(const TraceOptions& options, const KeyScript& keys, FramePictures* pictures,
              std::FILE* out, std::string& error) {
    TraceRecorder recorder;
    TraceResources resources;
    renderTarget = &recorder;
    brush = &resources.brush;
    glowStroke = &resources.stroke;
    largeTextFormat = &resources.largeText;
    shipBitmap = pictures != nullptr ? pictures->ship() : &resources.ship;
    backgroundBitmap = pictures != nullptr ? pictures->background() : &resources.background;
    traceSoundRecorder = &recorder;

    resetGame();
    KeyScriptPlayer player(keys);
    TeeTarget tee(recorder, pictures != nullptr ? *pictures->target() : recorder);
    bool written = true;
    for (std::uint32_t frame = 0; frame < options.frames && written; ++frame) {
        player.feed(frame);
        const bool dump = options.dump && frame >= options.dumpFirst && frame <= options.dumpLast;
        RenderTarget* target = &recorder;
        if (dump && pictures != nullptr) target = &tee;
        recorder.beginFrame(dump);
        // Exactly what one paint does between BeginDraw and EndDraw.
        target->Clear({0.0f, 0.0f, 0.0f, 1.0f});
        runFrame(target);
        drawExplosions(target, brush);
        if (dump) std::fwrite(recorder.keptLines().data(), 1, recorder.keptLines().size(), out);
        std::fprintf(out, "frame %" PRIu32 " ops %" PRIu32 " hash %016" PRIx64 "\n", frame,
                     recorder.opCount(), recorder.hash());
        if (target == &tee) written = pictures->write(frame, error);
    }

    traceSoundRecorder = nullptr;
    renderTarget = nullptr;
    brush = nullptr;
    glowStroke = nullptr;
    largeTextFormat = nullptr;
    shipBitmap = nullptr;
    backgroundBitmap = nullptr;
    return written;
}
