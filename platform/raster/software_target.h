// A render target that draws into a 32-bit premultiplied frame in memory.
// The window render target (platform/sdl) derives from it and shows the frame
// at EndDraw through present().
#pragma once

#include "platform/render.h"

class SoftwareRenderTarget : public RenderTarget {
public:
    explicit SoftwareRenderTarget(SizeU size);

    void BeginDraw() override;
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
    HResult EndDraw() override;
    SizeU GetPixelSize() const override { return {frame_.width, frame_.height}; }

    // The frame as drawn so far: premultiplied 0xAARRGGBB, width x height.
    const PixelImage& frame() const { return frame_; }

protected:
    // Shows the finished frame; EndDraw returns its result.
    virtual HResult present() { return S_OK; }

private:
    PixelImage frame_;
};
