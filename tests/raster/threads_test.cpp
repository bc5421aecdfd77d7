// A frame rendered in bands by several threads is the same picture to the bit.
#include <gtest/gtest.h>

#include "tests/raster/raster_fixture.h"

namespace {

void drawBusyFrame(SoftwareRenderTarget& t, Bitmap& bitmap, TextFormat& format) {
    Brush brush({1, 1, 1, 1});
    t.DrawBitmap(&bitmap, {0, -40.5f, 200, 260.5f}, 1, BitmapInterpolation::Linear, {0, 0, 64, 64});
    for (int i = 0; i < 300; ++i) {
        const float x = (i * 37) % 200 + 0.3f, y = (i * 53) % 240 + 0.7f;
        const ColorF core{(i % 3) / 2.0f, ((i + 1) % 3) / 2.0f, 1, 1};
        brush.SetColor({5 * core.r, 5 * core.g, 5 * core.b, 0.5f});
        t.DrawLine({x, y}, {x + (i % 5) * 7.0f, y + 1}, &brush, 8, nullptr);
        brush.SetColor({core.r, core.g, core.b, 0.7f});
        t.DrawLine({x, y}, {x + (i % 5) * 7.0f, y + 1}, &brush, 4, nullptr);
        brush.SetColor(core);
        t.DrawLine({x, y}, {x + (i % 5) * 7.0f, y + 1}, &brush, 2, nullptr);
    }
    brush.SetColor({1, 1, 0.94f, 0.35f});
    t.FillEllipse({{100, 120}, 40, 40}, &brush);
    t.DrawEllipse({{60, 60}, 30, 18}, &brush, 3, nullptr);
    t.DrawRoundedRectangle({{20, 150, 180, 230}, 4, 4}, &brush, 2, nullptr);
    brush.SetColor({1, 1, 0, 1});
    t.DrawText(L"GAME\nCLEAR", 10, &format, {0, 90, 200, 100}, &brush);
}

TEST(Threads, BandedRenderingGivesTheSamePicture) {
    PixelImage image;
    image.width = image.height = 64;
    for (std::uint32_t i = 0; i < 64 * 64; ++i)
        image.pixels.push_back(i % 3 ? 0xFF204060u : 0x80402000u);
    Bitmap bitmap(image);
    TextFormat format(
        {L"メイリオ", FONT_WEIGHT_BLACK, FontStyle::Normal, FONT_STRETCH_NORMAL, 40, L""});
    format.SetTextAlignment(TextAlignment::Center);
    auto draw = [&](SoftwareRenderTarget& t) { drawBusyFrame(t, bitmap, format); };
    const PixelImage single = renderFrame({200, 240}, kClearBlack, draw, 1);
    for (int threads : {2, 3, 7}) {
        EXPECT_EQ(renderFrame({200, 240}, kClearBlack, draw, threads).pixels, single.pixels)
            << threads << " threads";
    }
}

}  // namespace
