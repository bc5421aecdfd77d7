// Draws reaching over every edge of a small frame, far outside it, or with
// numbers that are not finite: nothing is written outside the frame (the
// sanitizer build checks), the inside parts are drawn, and nonsense draws nothing.
#include <gtest/gtest.h>

#include <limits>

#include "tests/raster/raster_fixture.h"

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr SizeU kSize{16, 12};
constexpr auto kLinear = BitmapInterpolation::Linear;

// What a case draws with: a white brush, an 8 x 8 white bitmap, a small format.
struct Kit {
    SoftwareRenderTarget& t;
    Brush& b;
    Bitmap& m;
    TextFormat& f;
};

struct EdgeCase {
    const char* name;
    void (*draw)(Kit);
    int x, y;  // a pixel it must paint white; -1: it paints nothing; -2: no check but the bounds
};

const EdgeCase kCases[] = {
    {"line over the left edge",
     [](Kit k) {
         k.t.DrawLine({-20, 6}, {3, 6}, &k.b, 8, nullptr);
     },
     0, 6},
    {"line over the right edge",
     [](Kit k) {
         k.t.DrawLine({12, 6}, {40, 6}, &k.b, 8, nullptr);
     },
     15, 6},
    {"line over the top edge",
     [](Kit k) {
         k.t.DrawLine({8, -30}, {8, 2}, &k.b, 8, nullptr);
     },
     8, 0},
    {"line over the bottom edge",
     [](Kit k) {
         k.t.DrawLine({8, 9}, {8, 50}, &k.b, 8, nullptr);
     },
     8, 11},
    {"dot on a corner",
     [](Kit k) {
         k.t.DrawLine({0, 0}, {1, 1}, &k.b, 8, nullptr);
     },
     0, 0},
    {"dot on the far corner",
     [](Kit k) {
         k.t.DrawLine({16, 12}, {16, 12}, &k.b, 8, nullptr);
     },
     15, 11},
    {"line wider than the frame",
     [](Kit k) {
         k.t.DrawLine({-5, 6}, {21, 6}, &k.b, 40, nullptr);
     },
     15, 0},
    {"line from very far away",
     [](Kit k) {
         k.t.DrawLine({-3e7f, 6}, {3e7f, 6}, &k.b, 4, nullptr);
     },
     8, 6},
    {"disc over a corner",
     [](Kit k) {
         k.t.FillEllipse({{16, 12}, 6, 6}, &k.b);
     },
     15, 11},
    {"disc bigger than the frame",
     [](Kit k) {
         k.t.FillEllipse({{8, 6}, 100, 100}, &k.b);
     },
     0, 0},
    {"ring over the left edge",
     [](Kit k) {
         k.t.DrawEllipse({{0, 6}, 5, 5}, &k.b, 4, nullptr);
     },
     0, 1},
    {"rectangle over all edges",
     [](Kit k) {
         k.t.DrawRectangle({-1, -1, 17, 13}, &k.b, 4, nullptr);
     },
     0, 0},
    {"rounded rectangle over the edges",
     [](Kit k) {
         k.t.DrawRoundedRectangle({{-3, 2, 19, 10}, 4, 4}, &k.b, 2, nullptr);
     },
     8, 2},
    {"bitmap over the top left",
     [](Kit k) {
         k.t.DrawBitmap(&k.m, {-4.5f, -4.5f, 3.5f, 3.5f}, 1, kLinear, {0, 0, 8, 8});
     },
     0, 0},
    {"bitmap over the bottom right",
     [](Kit k) {
         k.t.DrawBitmap(&k.m, {12.2f, 8.7f, 52.2f, 48.7f}, 1, kLinear, {0, 0, 8, 8});
     },
     15, 11},
    {"bitmap source beyond the picture",
     [](Kit k) {
         k.t.DrawBitmap(&k.m, {0, 0, 16, 12}, 1, kLinear, {-10, -10, 30, 30});
     },
     8, 6},
    {"text running off the frame",
     [](Kit k) {
         k.t.DrawText(L"WIDE TEXT", 9, &k.f, {-30, -10, 30, 0}, &k.b);
     },
     -2, -2},
    {"line with not a number",
     [](Kit k) {
         k.t.DrawLine({kNaN, 6}, {8, 6}, &k.b, 8, nullptr);
     },
     -1, -1},
    {"line with infinity",
     [](Kit k) {
         k.t.DrawLine({-kInf, 6}, {8, 6}, &k.b, 8, nullptr);
     },
     -1, -1},
    {"ring with not a number",
     [](Kit k) {
         k.t.DrawEllipse({{8, 6}, 4, kNaN}, &k.b, 2, nullptr);
     },
     -1, -1},
    {"disc with infinite radius",
     [](Kit k) {
         k.t.FillEllipse({{8, 6}, kInf, kInf}, &k.b);
     },
     -1, -1},
    {"bitmap with not a number",
     [](Kit k) {
         k.t.DrawBitmap(&k.m, {0, 0, kNaN, 8}, 1, kLinear, {0, 0, 8, 8});
     },
     -1, -1},
    {"text at not a number",
     [](Kit k) {
         k.t.DrawText(L"X", 1, &k.f, {kNaN, 0, 16, 12}, &k.b);
     },
     -1, -1},
};

TEST(Clipping, DrawsOverEveryEdgeStayInsideTheFrame) {
    PixelImage white;
    white.width = 8;
    white.height = 8;
    white.pixels.assign(64, 0xFFFFFFFFu);
    Bitmap bitmap(white);  // drawn at EndDraw, so it must outlive the drawing calls
    TextFormat format({L"sans", 400, FontStyle::Normal, FONT_STRETCH_NORMAL, 12.0f, L"en"});
    for (const EdgeCase& c : kCases) {
        for (int threads : {1, 3}) {
            const PixelImage frame = renderFrame(
                kSize, kClearBlack,
                [&](SoftwareRenderTarget& t) {
                    Brush brush({1, 1, 1, 1});
                    c.draw({t, brush, bitmap, format});
                },
                threads);
            ASSERT_EQ(frame.pixels.size(), kSize.width * kSize.height);
            if (c.x >= 0) {
                EXPECT_EQ(pixelAt(frame, c.x, c.y), 0xFFFFFFFFu) << c.name;
            } else if (c.x == -1) {
                for (std::uint32_t p : frame.pixels) ASSERT_EQ(p, 0xFF000000u) << c.name;
            }
        }
    }
}

}  // namespace
