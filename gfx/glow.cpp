#include "gfx/glow.h"

#include <cmath>

#include "gfx/draw_resources.h"

ColorF colorFromRgb(std::uint32_t rgb, float alpha) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
            static_cast<float>((rgb >> 8) & 0xFF) / 255.0f, static_cast<float>(rgb & 0xFF) / 255.0f,
            alpha};
}

PointF makePoint(float x, float y) {
    return {x, y};
}

RectF makeRect(float left, float top, float right, float bottom) {
    return {left, top, right, bottom};
}

// The three passes of every glow shape: halo, body, core, each set on the
// brush just before its stroke.
template <typename Stroke>
void strokeGlow(std::uint32_t rgb, Stroke stroke) {
    const ColorF core = colorFromRgb(rgb, 1.0f);
    // The halo's colour goes out over-bright on purpose: the blend saturates it into a glow.
    brush->SetColor({5.0f * core.r, 5.0f * core.g, 5.0f * core.b, 0.5f});
    stroke(8.0f);
    brush->SetColor(colorFromRgb(rgb, 0.7f));
    stroke(4.0f);
    brush->SetColor(core);
    stroke(2.0f);
}

void drawGlowLine(RenderTarget* target, std::uint32_t rgb, const PointF& from, const PointF& to) {
    strokeGlow(rgb, [&](float width) { target->DrawLine(from, to, brush, width, glowStroke); });
}

void drawGlowEllipse(RenderTarget* target, std::uint32_t rgb, const EllipseF& ellipse) {
    strokeGlow(rgb, [&](float width) { target->DrawEllipse(ellipse, brush, width, glowStroke); });
}

void drawGlowRect(RenderTarget* target, std::uint32_t rgb, const RectF& rect) {
    strokeGlow(rgb, [&](float width) { target->DrawRectangle(rect, brush, width, glowStroke); });
}

void drawGlowRoundRect(RenderTarget* target, std::uint32_t rgb, const RectF& rect) {
    const RoundedRectF rounded{rect, 4.0f, 4.0f};
    strokeGlow(
        rgb, [&](float width) { target->DrawRoundedRectangle(rounded, brush, width, glowStroke); });
}

void rotatePoint(float& x, float& y, float angle) {
    // The rotation matrix about the origin: m11 = cos, m12 = sin, m21 = -sin,
    // m22 = cos, no translation.
    const float radians = angle * (3.14159265358979323846f / 180.0f);
    const float c = std::cos(radians), s = std::sin(radians);
    const float oldX = x, oldY = y;
    x = oldX * c + oldY * -s + 0.0f;
    y = oldX * s + oldY * c + 0.0f;
}

void vecAdd(float ax, float ay, float bx, float by, float& outX, float& outY) {
    outX = ax + bx;
    outY = ay + by;
}

void vecSub(float ax, float ay, float bx, float by, float& outX, float& outY) {
    outX = ax - bx;
    outY = ay - by;
}
