// A render target that draws into a 32-bit premultiplied frame in memory.
// The window render target (platform/sdl) derives from it and shows the frame
// at EndDraw through present().
//
// Drawing calls are collected between BeginDraw and EndDraw and rendered at
// EndDraw, so a frame can be shared by several threads in bands of rows and
// consecutive strokes of one segment (a glow line) are drawn in one walk. The
// picture is the same whatever the number of threads.
#pragma once

#include <memory>
#include <variant>
#include <vector>

#include "platform/raster/bitmap_raster.h"
#include "platform/raster/ellipse_raster.h"
#include "platform/raster/line_raster.h"
#include "platform/raster/mask_raster.h"
#include "platform/raster/rect_raster.h"
#include "platform/render.h"

class BandWorkers;
class TextCache;

class SoftwareRenderTarget : public RenderTarget {
  public:
    explicit SoftwareRenderTarget(SizeU size);
    ~SoftwareRenderTarget() override;

    void BeginDraw() override;
    void Clear(const ColorF& color) override;
    // Lines always have round caps, as the glow stroke asks; other stroke
    // properties are not used.
    void DrawLine(PointF from, PointF to, Brush* brush, float strokeWidth,
                  StrokeStyle* strokeStyle) override;
    void DrawEllipse(const EllipseF& ellipse, Brush* brush, float strokeWidth,
                     StrokeStyle* strokeStyle) override;
    void DrawRectangle(const RectF& rect, Brush* brush, float strokeWidth,
                       StrokeStyle* strokeStyle) override;
    void DrawRoundedRectangle(const RoundedRectF& rect, Brush* brush, float strokeWidth,
                              StrokeStyle* strokeStyle) override;
    void FillEllipse(const EllipseF& ellipse, Brush* brush) override;
    // The bitmap must stay alive until EndDraw.
    void DrawBitmap(Bitmap* bitmap, const RectF& destination, float opacity,
                    BitmapInterpolation interpolation, const RectF& source) override;
    void DrawText(const wchar_t* text, std::uint32_t length, TextFormat* format,
                  const RectF& layout, Brush* brush) override;
    HResult EndDraw() override;
    SizeU GetPixelSize() const override { return {frame_.width, frame_.height}; }

    // The frame as of the last EndDraw: premultiplied 0xAARRGGBB, width x height.
    const PixelImage& frame() const { return frame_; }

    // Threads that render each frame, the drawing thread included (1 by default).
    void setThreadCount(int threads);

  protected:
    // Shows the finished frame; EndDraw returns its result.
    virtual HResult present() { return S_OK; }

  private:
    struct ClearShape {
        std::uint32_t pixel;
    };
    using Command =
        std::variant<ClearShape, LineShape, EllipseShape, RectShape, BitmapShape, MaskShape>;

    void render();
    void renderBand(RowBand band);

    PixelImage frame_;
    std::vector<Command> commands_;  // this frame's draws; keeps its capacity between frames
    std::unique_ptr<TextCache> texts_;
    std::unique_ptr<BandWorkers> workers_;  // null when rendering on the drawing thread alone
};
