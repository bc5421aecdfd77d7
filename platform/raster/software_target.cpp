#include "platform/raster/software_target.h"

#include <algorithm>
#include <cmath>

// Placeholder: only Clear draws until the rasteriser is written.

SoftwareRenderTarget::SoftwareRenderTarget(SizeU size) {
    frame_.width = size.width;
    frame_.height = size.height;
    frame_.pixels.assign(static_cast<std::size_t>(size.width) * size.height, 0xFF000000u);
}

void SoftwareRenderTarget::BeginDraw() {}

void SoftwareRenderTarget::Clear(const ColorF& c) {
    auto channel = [](float v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    };
    const float a = std::clamp(c.a, 0.0f, 1.0f);
    const std::uint32_t pixel = channel(a) << 24 | channel(c.r * a) << 16 | channel(c.g * a) << 8 |
                                channel(c.b * a);
    std::fill(frame_.pixels.begin(), frame_.pixels.end(), pixel);
}

void SoftwareRenderTarget::DrawLine(PointF, PointF, Brush*, float, StrokeStyle*) {}
void SoftwareRenderTarget::DrawEllipse(const EllipseF&, Brush*, float, StrokeStyle*) {}
void SoftwareRenderTarget::DrawRectangle(const RectF&, Brush*, float, StrokeStyle*) {}
void SoftwareRenderTarget::DrawRoundedRectangle(const RoundedRectF&, Brush*, float, StrokeStyle*) {}
void SoftwareRenderTarget::FillEllipse(const EllipseF&, Brush*) {}
void SoftwareRenderTarget::DrawBitmap(Bitmap*, const RectF&, float, BitmapInterpolation,
                                      const RectF&) {}
void SoftwareRenderTarget::DrawText(const wchar_t*, std::uint32_t, TextFormat*, const RectF&,
                                    Brush*) {}

HResult SoftwareRenderTarget::EndDraw() { return present(); }
