// Filled and outlined ellipses and rectangle outlines against their areas.
#include <gtest/gtest.h>

#include <numbers>

#include "tests/raster/raster_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;

TEST(Shapes, FillsAndOutlinesCoverTheirAreas) {
    struct Case {
        const char* name;
        std::function<void(SoftwareRenderTarget&, Brush&)> draw;
        double area;
        double tolerance;  // relative
    } cases[] = {
        {"disc",
         [](auto& t, Brush& b) {
             t.FillEllipse({{40.3f, 30.6f}, 12, 12}, &b);
         },
         kPi * 144, 0.01},
        {"ellipse",
         [](auto& t, Brush& b) {
             t.FillEllipse({{40, 30}, 20, 8}, &b);
         },
         kPi * 160, 0.02},
        {"ring",
         [](auto& t, Brush& b) {
             t.DrawEllipse({{40, 30}, 15, 15}, &b, 4, nullptr);
         },
         kPi * (17.0 * 17 - 13.0 * 13), 0.02},
        // Mitred corners: the outer rectangle less the inner one, exactly.
        {"rectangle",
         [](auto& t, Brush& b) {
             t.DrawRectangle({10.5f, 10, 40.5f, 30}, &b, 2, nullptr);
         },
         32.0 * 22 - 28.0 * 18, 0.001},
        {"rounded rectangle",
         [](auto& t, Brush& b) {
             t.DrawRoundedRectangle({{10, 10, 60, 40}, 4, 4}, &b, 2, nullptr);
         },
         // Straight sides plus the four quarter rings of radii 3 and 5.
         2 * (42 + 22) * 2 + kPi * (25 - 9), 0.02},
    };
    for (const Case& c : cases) {
        const PixelImage frame = renderFrame({80, 60}, kTransparent, [&](SoftwareRenderTarget& t) {
            Brush white({1, 1, 1, 1});
            c.draw(t, white);
        });
        EXPECT_NEAR(coveredArea(frame, 0, 80, 0, 60), c.area, c.tolerance * c.area) << c.name;
    }
}

TEST(Shapes, AnExplosionDiscBlendsOverWhatIsBelow) {
    // A pale disc at alpha 0.35 over opaque red: the centre is the exact blend.
    const ColorF pale{1, 1, 240 / 255.0f, 0.35f};
    const PixelImage frame = renderFrame({64, 64}, {1, 0, 0, 1}, [&](SoftwareRenderTarget& t) {
        Brush brush(pale);
        t.FillEllipse({{32, 32}, 20, 20}, &brush);
    });
    EXPECT_LE(channelDistance(pixelAt(frame, 32, 32), referenceBlend(0xFFFF0000u, pale, 1.0)), 1);
    EXPECT_EQ(pixelAt(frame, 2, 2), 0xFFFF0000u);
}

}  // namespace
