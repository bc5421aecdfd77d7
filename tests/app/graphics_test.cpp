#include "app/graphics.h"

#include <gtest/gtest.h>

#include "gfx/draw_resources.h"

namespace {

TEST(TextResources, FormatsAndGlowStrokeHaveTheirFixedPropertiesUntilReleased) {
    ASSERT_EQ(CreateGraphicsFactory(FactoryType::MultiThreaded, &d2dFactory), S_OK);
    ASSERT_EQ(CreateTextFactory(TextFactoryType::Shared, &dwriteFactory), S_OK);
    ASSERT_EQ(createTextResources(), S_OK);

    struct Expected {
        const TextFormat* format;
        int weight;
        int stretch;
        float size;
    };
    const Expected formats[] = {
        {largeTextFormat, FONT_WEIGHT_BLACK, FONT_STRETCH_EXTRA_EXPANDED, 56.0f},
        {smallTextFormat, FONT_WEIGHT_BOLD, FONT_STRETCH_NORMAL, 16.0f},
    };
    for (const Expected& expected : formats) {
        ASSERT_NE(expected.format, nullptr);
        const TextFormatProperties& p = expected.format->properties();
        EXPECT_EQ(p.family, L"メイリオ");
        EXPECT_EQ(p.weight, expected.weight);
        EXPECT_EQ(p.style, FontStyle::Normal);
        EXPECT_EQ(p.stretch, expected.stretch);
        EXPECT_EQ(p.size, expected.size);
        EXPECT_EQ(p.locale, L"");
        EXPECT_EQ(expected.format->GetTextAlignment(), TextAlignment::Leading);
    }

    ASSERT_NE(glowStroke, nullptr);
    const StrokeStyleProperties& stroke = glowStroke->properties();
    EXPECT_EQ(stroke.startCap, CapStyle::Round);
    EXPECT_EQ(stroke.endCap, CapStyle::Round);
    EXPECT_EQ(stroke.dashCap, CapStyle::Flat);
    EXPECT_EQ(stroke.lineJoin, LineJoin::Miter);
    EXPECT_EQ(stroke.miterLimit, 10.0f);
    EXPECT_EQ(stroke.dashStyle, DashStyle::Solid);
    EXPECT_EQ(stroke.dashOffset, 0.0f);

    releaseTextResources();
    EXPECT_EQ(largeTextFormat, nullptr);
    EXPECT_EQ(smallTextFormat, nullptr);
    EXPECT_EQ(glowStroke, nullptr);
    dwriteFactory->Release();
    d2dFactory->Release();
}

}  // namespace
