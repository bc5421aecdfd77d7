// One frame's drawing calls kept as plain records, so the frame can be drawn
// again and again into another render target. Records hold pointers to the
// caller's bitmaps, text formats and texts: those must outlive the replay.
#pragma once

#include <vector>

#include "platform/render.h"

class OpBuffer : public RenderTarget {
  public:
    explicit OpBuffer(SizeU size) : size_(size) {}

    void BeginDraw() override { ops_.clear(); }
    void Clear(const ColorF& color) override;
    void DrawLine(PointF from, PointF to, Brush* brush, float strokeWidth,
                  StrokeStyle* strokeStyle) override;
    void DrawEllipse(const EllipseF& ellipse, Brush* brush, float strokeWidth,
                     StrokeStyle* strokeStyle) override;
    void DrawRectangle(const RectF& rect, Brush* brush, float strokeWidth,
                       StrokeStyle* strokeStyle) override;
    void DrawRoundedRectangle(const RoundedRectF& rect, Brush* brush, float strokeWidth,
                              StrokeStyle* strokeStyle) override;
    void FillEllipse(const EllipseF& ellipse, Brush* brush) override;
    void DrawBitmap(Bitmap* bitmap, const RectF& destination, float opacity,
                    BitmapInterpolation interpolation, const RectF& source) override;
    void DrawText(const wchar_t* text, std::uint32_t length, TextFormat* format,
                  const RectF& layout, Brush* brush) override;
    HResult EndDraw() override { return S_OK; }
    SizeU GetPixelSize() const override { return size_; }

    // Makes every recorded call on target, between its BeginDraw and EndDraw.
    void replay(RenderTarget& target) const;
    std::size_t size() const { return ops_.size(); }

  private:
    struct Op {
        enum Kind : std::uint8_t {
            kClear,
            kLine,
            kEllipse,
            kRectangle,
            kRoundedRectangle,
            kFill,
            kBitmap,
            kText
        } kind;
        TextAlignment alignment;  // kText: the format's alignment at the call
        BitmapInterpolation interpolation;
        ColorF color;       // the brush colour at the call; kClear: the clear colour
        float geometry[6];  // points, ellipse, rectangle and radii, in call order
        RectF source;       // kBitmap
        float width;        // stroke width; kBitmap: opacity; kText: unused
        StrokeStyle* stroke;
        Bitmap* bitmap;
        TextFormat* format;
        const wchar_t* text;
        std::uint32_t length;
    };

    Op& add(Op::Kind kind, const Brush* brush);

    SizeU size_;
    std::vector<Op> ops_;  // keeps its capacity from frame to frame
};
