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

struct EdgeCase {
    const char* name;
    std::function<void(SoftwareRenderTarget&, Brush&, Bitmap&, TextFormat&)> draw;
    int x, y;  // a pixel it must paint white; -1: it paints nothing; -2: no check but the bounds
};

TEST(Clipping, DrawsOverEveryEdgeStayInsideTheFrame) {
    PixelImage white;
    white.width = 8;
    white.height = 8;
    white.pixels.assign(64, 0xFFFFFFFFu);
    const EdgeCase cases[] = {
        {"line over the left edge",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({-20, 6}, {3, 6}, &b, 8, nullptr);
         },
         0, 6},
        {"line over the right edge",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({12, 6}, {40, 6}, &b, 8, nullptr);
         },
         15, 6},
        {"line over the top edge",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({8, -30}, {8, 2}, &b, 8, nullptr);
         },
         8, 0},
        {"line over the bottom edge",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({8, 9}, {8, 50}, &b, 8, nullptr);
         },
         8, 11},
        {"dot on a corner",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({0, 0}, {1, 1}, &b, 8, nullptr);
         },
         0, 0},
        {"dot on the far corner",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({16, 12}, {16, 12}, &b, 8, nullptr);
         },
         15, 11},
        {"line wider than the frame",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({-5, 6}, {21, 6}, &b, 40, nullptr);
         },
         15, 0},
        {"line from very far away",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({-3e7f, 6}, {3e7f, 6}, &b, 4, nullptr);
         },
         8, 6},
        {"disc over a corner",
         [](auto& t, Brush& b, auto&, auto&) {
             t.FillEllipse({{16, 12}, 6, 6}, &b);
         },
         15, 11},
        {"disc bigger than the frame",
         [](auto& t, Brush& b, auto&, auto&) {
             t.FillEllipse({{8, 6}, 100, 100}, &b);
         },
         0, 0},
        {"ring over the left edge",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawEllipse({{0, 6}, 5, 5}, &b, 4, nullptr);
         },
         0, 1},
        {"rectangle over all edges",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawRectangle({-1, -1, 17, 13}, &b, 4, nullptr);
         },
         0, 0},
        {"rounded rectangle over the edges",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawRoundedRectangle({{-3, 2, 19, 10}, 4, 4}, &b, 2, nullptr);
         },
         8, 2},
        {"bitmap over the top left",
         [](auto& t, auto&, Bitmap& m, auto&) {
             t.DrawBitmap(&m, {-4.5f, -4.5f, 3.5f, 3.5f}, 1, BitmapInterpolation::Linear,
                          {0, 0, 8, 8});
         },
         0, 0},
        {"bitmap over the bottom right",
         [](auto& t, auto&, Bitmap& m, auto&) {
             t.DrawBitmap(&m, {12.2f, 8.7f, 52.2f, 48.7f}, 1, BitmapInterpolation::Linear,
                          {0, 0, 8, 8});
         },
         15, 11},
        {"bitmap source beyond the picture",
         [](auto& t, auto&, Bitmap& m, auto&) {
             t.DrawBitmap(&m, {0, 0, 16, 12}, 1, BitmapInterpolation::Linear, {-10, -10, 30, 30});
         },
         8, 6},
        {"text running off the frame",
         [](auto& t, Brush& b, auto&, TextFormat& f) {
             t.DrawText(L"WIDE TEXT", 9, &f, {-30, -10, 30, 0}, &b);
         },
         -2, -2},
        {"line with not a number",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({kNaN, 6}, {8, 6}, &b, 8, nullptr);
         },
         -1, -1},
        {"line with infinity",
         [](auto& t, Brush& b, auto&, auto&) {
             t.DrawLine({-kInf, 6}, {8, 6}, &b, 8, nullptr);
         },
         -1, -1},
        {"disc with infinite radius",
         [](auto& t, Brush& b, auto&, auto&) {
             t.FillEllipse({{8, 6}, kInf, kInf}, &b);
         },
         -1, -1},
        {"bitmap with not a number",
         [](auto& t, auto&, Bitmap& m, auto&) {
             t.DrawBitmap(&m, {0, 0, kNaN, 8}, 1, BitmapInterpolation::Linear, {0, 0, 8, 8});
         },
         -1, -1},
        {"text at not a number",
         [](auto& t, Brush& b, auto&, TextFormat& f) {
             t.DrawText(L"X", 1, &f, {kNaN, 0, 16, 12}, &b);
         },
         -1, -1},
    };
    TextFormat format({L"sans", 400, FontStyle::Normal, FONT_STRETCH_NORMAL, 12.0f, L"en"});
    Bitmap bitmap(white);  // drawn at EndDraw, so it must outlive the drawing calls
    for (const EdgeCase& c : cases) {
        for (int threads : {1, 3}) {
            const PixelImage frame = renderFrame(
                kSize, kClearBlack,
                [&](SoftwareRenderTarget& t) {
                    Brush brush({1, 1, 1, 1});
                    c.draw(t, brush, bitmap, format);
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
