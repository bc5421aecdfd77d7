// A render target for tests: keeps every drawing call as a plain record so a
// test can assert on what a frame drew, and in which order.
#pragma once

#include <string>
#include <vector>

#include "gfx/draw_resources.h"
#include "platform/render.h"

struct DrawOp {
    enum Kind { Clear, Line, Fill, BitmapDraw, Text } kind;
    PointF from{};                                     // Line
    PointF to{};                                       // Line
    float width = 0;                                   // Line: stroke width
    EllipseF ellipse{};                                // Fill
    const Bitmap* bitmap{};                            // BitmapDraw
    RectF destination{};                               // BitmapDraw; Text: layout rectangle
    RectF source{};                                    // BitmapDraw
    float opacity = 0;                                 // BitmapDraw
    std::wstring text;                                 // Text
    TextAlignment alignment = TextAlignment::Leading;  // Text
    ColorF color{};  // the brush colour at the call (Clear: the clear colour)
};

class OpRecorder : public RenderTarget {
  public:
    std::vector<DrawOp> ops;

    void BeginDraw() override {}
    void Clear(const ColorF& c) override {
        ops.push_back({DrawOp::Clear, {}, {}, 0, {}, nullptr, {}, {}, 0, {}, {}, c});
    }
    void DrawLine(PointF from, PointF to, Brush* b, float width, StrokeStyle*) override {
        ops.push_back(
            {DrawOp::Line, from, to, width, {}, nullptr, {}, {}, 0, {}, {}, b->GetColor()});
    }
    void DrawEllipse(const EllipseF&, Brush*, float, StrokeStyle*) override {}
    void DrawRectangle(const RectF&, Brush*, float, StrokeStyle*) override {}
    void DrawRoundedRectangle(const RoundedRectF&, Brush*, float, StrokeStyle*) override {}
    void FillEllipse(const EllipseF& e, Brush* b) override {
        ops.push_back({DrawOp::Fill, {}, {}, 0, e, nullptr, {}, {}, 0, {}, {}, b->GetColor()});
    }
    void DrawBitmap(Bitmap* bitmap, const RectF& dst, float opacity, BitmapInterpolation,
                    const RectF& src) override {
        ops.push_back({DrawOp::BitmapDraw, {}, {}, 0, {}, bitmap, dst, src, opacity, {}, {}, {}});
    }
    void DrawText(const wchar_t* text, std::uint32_t length, TextFormat* format,
                  const RectF& layout, Brush* b) override {
        ops.push_back({DrawOp::Text,
                       {},
                       {},
                       0,
                       {},
                       nullptr,
                       layout,
                       {},
                       0,
                       std::wstring(text, length),
                       format->GetTextAlignment(),
                       b->GetColor()});
    }
    HResult EndDraw() override { return S_OK; }
    SizeU GetPixelSize() const override { return {600, 720}; }
};

// Points the shared drawing resources at test objects for the life of the fixture.
class TestDrawResources {
  public:
    TestDrawResources() {
        brush = &brush_;
        glowStroke = &stroke_;
        largeTextFormat = &largeFormat_;
        shipBitmap = &ship_;
        backgroundBitmap = &background_;
    }
    ~TestDrawResources() {
        brush = nullptr;
        glowStroke = nullptr;
        largeTextFormat = nullptr;
        shipBitmap = nullptr;
        backgroundBitmap = nullptr;
    }

  private:
    Brush brush_{{0, 0, 0, 1}};
    StrokeStyle stroke_{{CapStyle::Round, CapStyle::Round, CapStyle::Flat, LineJoin::Miter, 10.0f,
                         DashStyle::Solid, 0.0f}};
    TextFormat largeFormat_{{L"メイリオ", FONT_WEIGHT_BLACK, FontStyle::Normal,
                             FONT_STRETCH_EXTRA_EXPANDED, 56.0f, L""}};
    Bitmap ship_{PixelImage{}};
    Bitmap background_{PixelImage{}};
};
