#include "gfx/glow.h"

#include "gfx/draw_resources.h"

ColorF colorFromRgb(std::uint32_t rgb, float alpha) {
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
            static_cast<float>((rgb >> 8) & 0xFF) / 255.0f, static_cast<float>(rgb & 0xFF) / 255.0f,
            alpha};
}

PointF makePoint(float x, float y) { return {x, y}; }

RectF makeRect(float left, float top, float right, float bottom) {
    return {left, top, right, bottom};
}

void drawGlowLine(RenderTarget* target, std::uint32_t rgb, const PointF& from, const PointF& to) {
    const ColorF core = colorFromRgb(rgb, 1.0f);
    // The halo's colour goes out over-bright on purpose: the blend saturates it into a glow.
    brush->SetColor({5.0f * core.r, 5.0f * core.g, 5.0f * core.b, 0.5f});
    target->DrawLine(from, to, brush, 8.0f, glowStroke);
    brush->SetColor(colorFromRgb(rgb, 0.7f));
    target->DrawLine(from, to, brush, 4.0f, glowStroke);
    brush->SetColor(core);
    target->DrawLine(from, to, brush, 2.0f, glowStroke);
}
