// A render target that writes every operation of a frame as one text line of
// the frame trace, hashes the lines with FNV-1a as they are made, and keeps
// them only when the frame is to be dumped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/render.h"
#include "tools/trace/format_number.h"

inline constexpr std::uint64_t kFnvOffsetBasis = 0xcbf29ce484222325ull;
inline constexpr std::uint64_t kFnvPrime = 0x100000001b3ull;

std::uint64_t hashBytes(std::uint64_t hash, const char* bytes, std::size_t count);

class TraceRecorder : public RenderTarget {
  public:
    // Starts a frame: count and hash start again; keepLines decides whether the lines are kept.
    void beginFrame(bool keepLines);
    std::uint32_t opCount() const { return opCount_; }
    std::uint64_t hash() const { return hash_; }
    // The frame's op lines so far, each ending in '\n'; empty unless kept.
    const std::string& keptLines() const { return kept_; }

    // The sound bank's replay, written into the same stream as the drawing.
    void recordSound(std::wstring_view alias);

    void BeginDraw() override {}
    void Clear(const ColorF& color) override;
    void DrawLine(PointF from, PointF to, Brush* brush, float strokeWidth,
                  StrokeStyle* strokeStyle) override;
    // The game draws no outlines; they have no line in the trace.
    void DrawEllipse(const EllipseF&, Brush*, float, StrokeStyle*) override {}
    void DrawRectangle(const RectF&, Brush*, float, StrokeStyle*) override {}
    void DrawRoundedRectangle(const RoundedRectF&, Brush*, float, StrokeStyle*) override {}
    void FillEllipse(const EllipseF& ellipse, Brush* brush) override;
    void DrawBitmap(Bitmap* bitmap, const RectF& destination, float opacity,
                    BitmapInterpolation interpolation, const RectF& source) override;
    void DrawText(const wchar_t* text, std::uint32_t length, TextFormat* format,
                  const RectF& layout, Brush* brush) override;
    HResult EndDraw() override { return S_OK; }
    SizeU GetPixelSize() const override { return {600, 720}; }

  private:
    // Counts and hashes one finished line (with its '\n'), and keeps it if asked.
    void addLine(const char* bytes, std::size_t size);
    // Ends the line at end with '\n' and adds it.
    void finishLine(char* begin, char* end);
    // Each writes a space and then its numbers.
    char* putNumber(char* out, float value);
    char* putRect(char* out, const RectF& rect);
    char* putColor(char* out, const ColorF& color);
    char* putLineEnds(char* out, PointF from, PointF to);

    std::uint32_t opCount_ = 0;
    std::uint64_t hash_ = kFnvOffsetBasis;
    bool keepLines_ = false;
    std::string kept_;
    std::string textLine_;
    char line_[512];

    // Numbers recur within a frame (points shared by neighbouring lines, colours,
    // sprite rectangles), and the three passes of a glow line share their end
    // points: formatted text is kept and reused.
    struct CachedNumber {
        std::uint32_t bits;
        std::uint32_t length = 0;  // 0: empty
        char text[kNumberRoom];
    };
    CachedNumber numberCache_[256];
    static constexpr int kFourNumbersRoom = 4 * (1 + kNumberRoom);
    PointF lastEnds_[2] = {};
    char lastEndsText_[kFourNumbersRoom];
    int lastEndsLength_ = -1;
    struct CachedColor {
        ColorF color;
        int length = -1;
        char text[kFourNumbersRoom];
    };
    CachedColor colorCache_[64];
};

// The recorder that trace sounds go to; null records nothing.
extern TraceRecorder* traceSoundRecorder;
