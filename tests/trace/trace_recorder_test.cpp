#include "tools/trace/trace_recorder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "gfx/draw_resources.h"
#include "gfx/glow.h"

namespace {

std::uint64_t fnv(std::string_view text) {
    return hashBytes(kFnvOffsetBasis, text.data(), text.size());
}

TEST(TraceRecorder, HashIsFnv1a64) {
    EXPECT_EQ(fnv(""), 0xcbf29ce484222325ull);
    EXPECT_EQ(fnv("a"), 0xaf63dc4c8601ec8cull);
    EXPECT_EQ(fnv("foobar"), 0x85944171f73967e8ull);
}

class RecorderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        shipBitmap = &ship_;
        backgroundBitmap = &background_;
        recorder.beginFrame(true);
    }
    void TearDown() override {
        shipBitmap = nullptr;
        backgroundBitmap = nullptr;
    }

    TraceRecorder recorder;
    Brush brush{{0.0f, 0.0f, 0.0f, 1.0f}};
    StrokeStyle stroke{{CapStyle::Round, CapStyle::Round, CapStyle::Flat, LineJoin::Miter, 10.0f,
                        DashStyle::Solid, 0.0f}};
    TextFormat format{{L"", 900, FontStyle::Normal, 8, 56.0f, L""}};

  private:
    Bitmap ship_{PixelImage{}};
    Bitmap background_{PixelImage{}};
};

TEST_F(RecorderTest, EveryOperationIsOneLineInTheTraceFormat) {
    recorder.Clear({0.0f, 0.0f, 0.0f, 1.0f});
    brush.SetColor({5.0f, 1.0f / 51.0f, 0.0f, 0.5f});
    recorder.DrawLine({1.5f, -2.0f}, {-0.0f, 1e-7f}, &brush, 8.0f, &stroke);
    brush.SetColor(colorFromRgb(0xFFFFF0, 0.6f));
    recorder.FillEllipse({{10.0f, 20.0f}, 8.0f, 8.0f}, &brush);
    recorder.DrawBitmap(shipBitmap, {-2550.0f, 0.25f, 3.0f, 4.0f}, 1.0f,
                        BitmapInterpolation::Linear, {50, 0, 110, 60});
    recorder.DrawBitmap(backgroundBitmap, {0, 0, 600, 768}, 0.5f, BitmapInterpolation::Linear,
                        {600, 0, 1800, 768});
    format.SetTextAlignment(TextAlignment::Center);
    brush.SetColor({1.0f, 1.0f, 0.0f, 1.0f});
    const wchar_t text[] = L"ゲーム\nA\\B\"C";
    recorder.DrawText(text, std::size(text) - 1, &format, {0, 280, 600, 300}, &brush);
    recorder.recordSound(L"hit");

    const std::string expected =
        "clear 0 0 0 1\n"
        "line 1.5 -2 -0 1.00000001e-07 8 5 0.0196078438 0 0.5\n"
        "fill 10 20 8 8 1 1 0.941176474 0.600000024\n"
        "bitmap ship -2550 0.25 3 4 50 0 110 60 1\n"
        "bitmap back 0 0 600 768 600 0 1800 768 0.5\n"
        "text center 0 280 600 300 1 1 0 1 \"ゲーム\\nA\\\\B\\\"C\"\n"
        "sound hit\n";
    EXPECT_EQ(recorder.keptLines(), expected);
    EXPECT_EQ(recorder.opCount(), 7u);
    EXPECT_EQ(recorder.hash(), fnv(expected));
}

TEST_F(RecorderTest, FrameStartsAfreshAndKeepsLinesOnlyWhenAsked) {
    recorder.Clear({0.0f, 0.0f, 0.0f, 1.0f});
    recorder.beginFrame(false);
    recorder.recordSound(L"loc");
    EXPECT_EQ(recorder.opCount(), 1u);
    EXPECT_EQ(recorder.hash(), fnv("sound loc\n"));
    EXPECT_TRUE(recorder.keptLines().empty());
}

TEST_F(RecorderTest, ReusedEndPointsAndColoursAreNeverStale) {
    // Lines and colours that differ only slightly, or only in the sign of zero, must
    // each be written afresh; repeats must come out the same as the first time.
    std::mt19937 random(3);
    std::uniform_real_distribution<float> any(-1000.0f, 1000.0f);
    std::string expected;
    char line[256];
    for (int i = 0; i < 5000; ++i) {
        const float a = i % 7 == 0 ? -0.0f : any(random);
        const float b = i % 5 == 0 ? a : any(random);
        const ColorF color = {static_cast<float>(i % 3), any(random), 0.0f,
                              i % 2 == 0 ? 0.5f : 0.0f};
        brush.SetColor(color);
        recorder.DrawLine({a, b}, {b, a}, &brush, 4.0f, &stroke);
        std::snprintf(line, sizeof line, "line %.9g %.9g %.9g %.9g 4 %.9g %.9g 0 %.9g\n", double(a),
                      double(b), double(b), double(a), double(color.r), double(color.g),
                      double(color.a));
        expected += line;
        if (i % 4 == 0) {  // the same line again, as the glow passes draw it
            recorder.DrawLine({a, b}, {b, a}, &brush, 4.0f, &stroke);
            expected += line;
        }
    }
    EXPECT_EQ(recorder.keptLines(), expected);
}

}  // namespace
