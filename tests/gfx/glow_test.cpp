#include "gfx/glow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/support/op_recorder.h"

namespace {

TEST(ColorFromRgb, SplitsTheChannelsAndIgnoresTheTopByte) {
    struct Case {
        std::uint32_t rgb;
        float alpha;
        ColorF expected;
    } cases[] = {
        {0xFFFFF0, 0.6f, {1.0f, 1.0f, 240.0f / 255.0f, 0.6f}},
        {0xAB123456, 1.0f, {0x12 / 255.0f, 0x34 / 255.0f, 0x56 / 255.0f, 1.0f}},
        {0xFFFFFFF0, 0.5f, {1.0f, 1.0f, 240.0f / 255.0f, 0.5f}},  // the explosions' -16
        {0x000000, 0.0f, {0.0f, 0.0f, 0.0f, 0.0f}},
    };
    for (const Case& c : cases) {
        const ColorF got = colorFromRgb(c.rgb, c.alpha);
        EXPECT_EQ(got.r, c.expected.r) << std::hex << c.rgb;
        EXPECT_EQ(got.g, c.expected.g) << std::hex << c.rgb;
        EXPECT_EQ(got.b, c.expected.b) << std::hex << c.rgb;
        EXPECT_EQ(got.a, c.expected.a) << std::hex << c.rgb;
    }
}

// A recorder that also keeps the outline calls, with the brush colour and width of each.
struct OutlineCall {
    char kind;  // 'e' ellipse, 'r' rectangle, 'o' rounded rectangle
    float width;
    ColorF color;
    RoundedRectF shape;  // ellipses keep their centre in rect.left/top and radii in radiusX/Y
    const StrokeStyle* stroke;
};

class OutlineRecorder : public OpRecorder {
  public:
    std::vector<OutlineCall> outlines;
    void DrawEllipse(const EllipseF& e, Brush* b, float w, StrokeStyle* s) override {
        outlines.push_back(
            {'e', w, b->GetColor(), {{e.point.x, e.point.y, 0, 0}, e.radiusX, e.radiusY}, s});
    }
    void DrawRectangle(const RectF& r, Brush* b, float w, StrokeStyle* s) override {
        outlines.push_back({'r', w, b->GetColor(), {r, 0, 0}, s});
    }
    void DrawRoundedRectangle(const RoundedRectF& r, Brush* b, float w, StrokeStyle* s) override {
        outlines.push_back({'o', w, b->GetColor(), r, s});
    }
};

void expectColor(const ColorF& got, float r, float g, float b, float a) {
    EXPECT_EQ(got.r, r);
    EXPECT_EQ(got.g, g);
    EXPECT_EQ(got.b, b);
    EXPECT_EQ(got.a, a);
}

TEST(DrawGlowLine, StrokesHaloBodyAndCoreAndLeavesTheCoreColour) {
    TestDrawResources resources;
    OpRecorder target;
    const PointF from{10, 20}, to{30, 40};
    drawGlowLine(&target, 0xFF0000, from, to);
    ASSERT_EQ(target.ops.size(), 3u);
    const float widths[] = {8, 4, 2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(target.ops[i].kind, DrawOp::Line);
        EXPECT_EQ(target.ops[i].width, widths[i]);
        EXPECT_EQ(target.ops[i].from.x, 10);
        EXPECT_EQ(target.ops[i].to.y, 40);
    }
    expectColor(target.ops[0].color, 5.0f, 0.0f, 0.0f, 0.5f);  // over-bright, unclamped
    expectColor(target.ops[1].color, 1.0f, 0.0f, 0.0f, 0.7f);
    expectColor(target.ops[2].color, 1.0f, 0.0f, 0.0f, 1.0f);

    drawGlowLine(&target, 0x00FF00, from, to);
    expectColor(brush->GetColor(), 0.0f, 1.0f, 0.0f, 1.0f);
}

TEST(DrawGlowOutlines, UseTheSameThreePassesWithTheGlowStroke) {
    TestDrawResources resources;
    struct Case {
        char kind;
        std::function<void(RenderTarget*)> draw;
    } cases[] = {
        {'e',
         [](RenderTarget* t) {
             drawGlowEllipse(t, 0x40A0FF, {{100, 200}, 30, 20});
         }},
        {'r', [](RenderTarget* t) { drawGlowRect(t, 0x40A0FF, makeRect(10, 20, 110, 220)); }},
        {'o', [](RenderTarget* t) { drawGlowRoundRect(t, 0x40A0FF, makeRect(10, 20, 110, 220)); }},
    };
    const ColorF core = colorFromRgb(0x40A0FF, 1.0f);
    for (const Case& c : cases) {
        OutlineRecorder target;
        c.draw(&target);
        ASSERT_EQ(target.outlines.size(), 3u) << c.kind;
        const float widths[] = {8, 4, 2};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(target.outlines[i].kind, c.kind);
            EXPECT_EQ(target.outlines[i].width, widths[i]);
            EXPECT_EQ(target.outlines[i].stroke, glowStroke);
        }
        expectColor(target.outlines[0].color, 5 * core.r, 5 * core.g, 5 * core.b, 0.5f);
        expectColor(target.outlines[1].color, core.r, core.g, core.b, 0.7f);
        expectColor(brush->GetColor(), core.r, core.g, core.b, 1.0f);
        if (c.kind == 'o') {
            EXPECT_EQ(target.outlines[0].shape.radiusX, 4.0f);
            EXPECT_EQ(target.outlines[0].shape.radiusY, 4.0f);
            EXPECT_EQ(target.outlines[0].shape.rect.right, 110.0f);
        }
    }
}

TEST(Geometry, RotatesClockwiseOnScreenFromTheOldCoordinates) {
    float x = 10, y = 0;
    rotatePoint(x, y, 90.0f);  // +x turns towards +y (down the screen)
    EXPECT_NEAR(x, 0.0f, 1e-5f);
    EXPECT_NEAR(y, 10.0f, 1e-5f);
    rotatePoint(x, y, 90.0f);
    EXPECT_NEAR(x, -10.0f, 1e-5f);
    EXPECT_NEAR(y, 0.0f, 1e-5f);

    float px = 3, py = 4;
    rotatePoint(px, py, 30.0f);
    EXPECT_NEAR(std::hypot(px, py), 5.0f, 1e-5f);

    float outX = 0, outY = 0;
    vecAdd(1, 2, 10, 20, outX, outY);
    EXPECT_EQ(outX, 11);
    EXPECT_EQ(outY, 22);
    vecSub(1, 2, 10, 20, outX, outY);
    EXPECT_EQ(outX, -9);
    EXPECT_EQ(outY, -18);
}

}  // namespace
