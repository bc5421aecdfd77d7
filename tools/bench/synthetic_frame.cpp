#include "tools/bench/synthetic_frame.h"

#include <cstdint>

#include "gfx/draw_resources.h"
#include "gfx/glow.h"

namespace {

// A fixed sequence, so every run draws the same frame.
struct Sequence {
    std::uint32_t state = 12345;
    float next(float limit) {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / 16777216.0f * limit;
    }
};

constexpr std::uint32_t kColours[] = {0xFF4080, 0x40A0FF, 0xFFFF40, 0x0FFF00, 0xFF8000, 0xA040FF};

void drawSprite(RenderTarget* target, float x, float y, const RectF& source) {
    const float hw = (source.right - source.left) / 2, hh = (source.bottom - source.top) / 2;
    target->DrawBitmap(shipBitmap, {x - hw, y - hh, x + hw, y + hh}, 1.0f,
                       BitmapInterpolation::Linear, source);
}

}  // namespace

void drawSyntheticFrame(RenderTarget* target) {
    Sequence random;
    target->Clear({0.0f, 0.0f, 0.0f, 1.0f});
    // Background layers at fractional offsets, as while scrolling.
    target->DrawBitmap(backgroundBitmap, {0.0f, -768.0f + 123.4f, 600.0f, 768.0f + 123.4f}, 1.0f,
                       BitmapInterpolation::Linear, {0.0f, 0.0f, 600.0f, 1536.0f});
    target->DrawBitmap(backgroundBitmap, {0.0f, -768.0f + 246.8f, 600.0f, 768.0f + 246.8f}, 1.0f,
                       BitmapInterpolation::Linear, {0.0f, 1536.0f, 600.0f, 3072.0f});
    // Three large enemies, nine small ones, the pods and the ship.
    for (int i = 0; i < 3; ++i)
        drawSprite(target, 150.3f + 150.0f * i, 200.7f + 60.0f * i,
                   {0.0f, 400.0f, 400.0f, 1200.0f});
    for (int i = 0; i < 9; ++i)
        drawSprite(target, 60.0f * (i + 1) + 0.37f, 120.0f + random.next(200.0f),
                   {50.0f, 0.0f, 110.0f, 60.0f});
    for (int i = 0; i < 4; ++i)
        drawSprite(target, 200.0f + 50.0f * i, 650.0f, {110.0f, 30.0f, 160.0f, 100.0f});
    drawSprite(target, 300.0f, 600.0f, {0.0f, 0.0f, 50.0f, 100.0f});
    // Debris: mostly small spray fragments, some larger falling ones.
    for (int i = 0; i < 284; ++i) {
        const bool spray = i < 220;
        drawSprite(
            target, random.next(600.0f), random.next(720.0f),
            spray ? RectF{94.0f, 84.0f, 110.0f, 100.0f} : RectF{110.0f, 0.0f, 140.0f, 30.0f});
    }
    // Enemy bullets are dots: segments one pixel across on each axis.
    for (int i = 0; i < 8000; ++i) {
        const PointF from = makePoint(random.next(600.0f), random.next(720.0f));
        drawGlowLine(target, kColours[i % 6], from, makePoint(from.x + 1.0f, from.y + 1.0f));
    }
    // Needles, beams and laser ribbons.
    for (int i = 0; i < 600; ++i) {
        const PointF from = makePoint(random.next(600.0f), random.next(720.0f));
        const PointF to =
            makePoint(from.x + random.next(80.0f) - 40.0f, from.y + random.next(80.0f) - 40.0f);
        drawGlowLine(target, kColours[i % 6], from, to);
    }
}
