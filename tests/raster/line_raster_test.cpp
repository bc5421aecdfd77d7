// Round-capped lines against analytic areas and an independent per-pixel
// reference: coverage from the exact distance to the segment, blended pass by
// pass with unclamped colour.
#include <gtest/gtest.h>

#include <numbers>

#include "tests/raster/raster_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr ColorF kWhite{1, 1, 1, 1};

PixelImage drawLines(SizeU size, ColorF clear,
                     std::initializer_list<std::tuple<PointF, PointF, float, ColorF>> lines) {
    return renderFrame(size, clear, [&](SoftwareRenderTarget& t) {
        Brush brush(kWhite);
        for (const auto& [from, to, width, color] : lines) {
            brush.SetColor(color);
            t.DrawLine(from, to, &brush, width, nullptr);
        }
    });
}

TEST(LineRaster, AHorizontalLineCoversABandExactlyItsWidth) {
    for (float y : {16.0f, 16.3f, 16.5f, 15.75f}) {
        for (float width : {8.0f, 4.0f, 2.0f, 1.5f}) {
            const PixelImage frame =
                drawLines({64, 32}, kTransparent, {{{8, y}, {56, y}, width, kWhite}});
            for (int x = 20; x < 44; ++x) {
                EXPECT_NEAR(coveredArea(frame, x, x + 1, 0, 32), width, 0.01 * width)
                    << "y " << y << " width " << width << " column " << x;
            }
        }
    }
}

TEST(LineRaster, CapsAndDotsCoverTheAreaOfTheirShapes) {
    struct Case {
        const char* name;
        PointF from, to;
        int x0, x1;  // columns measured
        double area;
    } cases[] = {
        // Only the half disc of the round cap lies left of the start point.
        {"round cap", {32, 16}, {60, 16}, 0, 32, kPi * 16 / 2},
        {"dot of length sqrt 2",
         {20.3f, 15.6f},
         {21.3f, 16.6f},
         0,
         64,
         kPi * 16 + 8 * std::sqrt(2.0)},
        {"zero length", {30.5f, 16.25f}, {30.5f, 16.25f}, 0, 64, kPi * 16},
    };
    for (const Case& c : cases) {
        const PixelImage frame = drawLines({64, 32}, kTransparent, {{c.from, c.to, 8.0f, kWhite}});
        EXPECT_NEAR(coveredArea(frame, c.x0, c.x1, 0, 32), c.area, 0.02 * c.area) << c.name;
    }
}

TEST(LineRaster, AnOverBrightHaloSaturatesItsChannel) {
    // The glow halo of pure red: (5, 0, 0) at alpha 0.5. Premultiplied, red is
    // 2.5 x coverage, so red is full wherever coverage reaches 0.4.
    const ColorF halo{5, 0, 0, 0.5f};
    const PixelImage frame = drawLines({40, 24}, kClearBlack, {{{10, 12}, {30, 12}, 8.0f, halo}});
    const std::uint32_t centre = pixelAt(frame, 20, 12);
    EXPECT_EQ(channelOf(centre, 16), 255);
    EXPECT_EQ(channelOf(centre, 8), 0);
    // Rows 8 and 15 are 3.5 pixels from the line: coverage 1, full red too.
    EXPECT_EQ(channelOf(pixelAt(frame, 20, 8), 16), 255);
    EXPECT_EQ(channelOf(pixelAt(frame, 20, 15), 16), 255);
    // Coverage 0.4 on the cap's rim still saturates, coverage 0.2 gives 2.5 x 0.2.
    for (int x = 0; x < 40; ++x) {
        const double d = x + 0.5 < 10 ? 10 - (x + 0.5) : x + 0.5 > 30 ? x + 0.5 - 30 : 0;
        const double coverage = std::clamp(4.5 - d, 0.0, 1.0);
        const int red = channelOf(pixelAt(frame, x, 12), 16);
        EXPECT_NEAR(red, std::min(255.0, 2.5 * coverage * 255), 1.0) << "column " << x;
    }
}

// A frame with a gradient, so blends land on varied pixels.
void paintGradient(SoftwareRenderTarget& t, SizeU size) {
    Brush brush(kWhite);
    for (std::uint32_t y = 0; y < size.height; ++y) {
        brush.SetColor({y / float(size.height), 0.3f, 1 - y / float(size.height), 1});
        t.DrawLine({-1, y + 0.5f}, {size.width + 1.0f, y + 0.5f}, &brush, 1.0f, nullptr);
    }
}

struct Glow {
    PointF from, to;
};

// Pass by pass in double precision, rounding after each pass as the frame stores it.
std::uint32_t referenceGlowPixel(std::uint32_t pixel, const Glow& g, double px, double py,
                                 const ColorF colors[3]) {
    const double dx = g.to.x - g.from.x, dy = g.to.y - g.from.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - g.from.x) * dx + (py - g.from.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double d = std::hypot(px - g.from.x - t * dx, py - g.from.y - t * dy);
    const double halfWidths[] = {4, 2, 1};
    for (int k = 0; k < 3; ++k)
        pixel = referenceBlend(pixel, colors[k], std::clamp(halfWidths[k] + 0.5 - d, 0.0, 1.0));
    return pixel;
}

TEST(LineRaster, GlowPassesMatchTheReferenceAndSeparateDraws) {
    const SizeU size{72, 48};
    const Glow glows[] = {
        {{10.25f, 9.5f}, {60.75f, 9.5f}},  // horizontal
        {{20.5f, 4.0f}, {20.5f, 40.3f}},   // vertical
        {{-15.0f, 3.3f}, {85.0f, 44.6f}},  // long, shallow, through two edges
        {{50.2f, -6.0f}, {58.9f, 60.0f}},  // steep, through top and bottom
        {{33.3f, 30.7f}, {34.3f, 31.7f}},  // a dot
        {{12.0f, 40.0f}, {12.0f, 40.0f}},  // zero length
        {{70.0f, 47.0f}, {40.0f, 20.0f}},  // drawn backwards from a corner
    };
    const ColorF colors[3] = {
        {5.0f, 1.25f, 0.25f, 0.5f}, {1.0f, 0.25f, 0.05f, 0.7f}, {1.0f, 0.25f, 0.05f, 1.0f}};
    const float widths[] = {8, 4, 2};
    for (const Glow& g : glows) {
        auto strokes = [&](SoftwareRenderTarget& t, bool separately) {
            paintGradient(t, size);
            Brush brush(kWhite);
            for (int k = 0; k < 3; ++k) {
                brush.SetColor(colors[k]);
                t.DrawLine(g.from, g.to, &brush, widths[k], nullptr);
                if (separately) {  // render each pass on its own
                    t.EndDraw();
                    t.BeginDraw();
                }
            }
        };
        const PixelImage fused =
            renderFrame(size, kClearBlack, [&](auto& t) { strokes(t, false); });
        const PixelImage separate =
            renderFrame(size, kClearBlack, [&](auto& t) { strokes(t, true); });
        EXPECT_EQ(fused.pixels, separate.pixels) << g.from.x << "," << g.from.y;

        const PixelImage background =
            renderFrame(size, kClearBlack, [&](auto& t) { paintGradient(t, size); });
        int worst = 0;
        for (int y = 0; y < int(size.height); ++y) {
            for (int x = 0; x < int(size.width); ++x) {
                const std::uint32_t expected =
                    referenceGlowPixel(pixelAt(background, x, y), g, x + 0.5, y + 0.5, colors);
                worst = std::max(worst, channelDistance(pixelAt(fused, x, y), expected));
            }
        }
        EXPECT_LE(worst, 1) << "glow from " << g.from.x << "," << g.from.y;
    }
}

}  // namespace
