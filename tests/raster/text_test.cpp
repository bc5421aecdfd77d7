// Text laid out by Pango: Japanese glyphs, centring, wrapping at the layout
// width, line feeds, lines running on below the rectangle, the brush colour,
// and the cache of laid-out texts.
#include <gtest/gtest.h>

#include <string>

#include "platform/raster/text_layout.h"
#include "tests/raster/raster_fixture.h"

namespace {

// The game's large format, centred as the closing texts set it.
struct LargeFormat : TextFormat {
    LargeFormat()
        : TextFormat({L"メイリオ", FONT_WEIGHT_BLACK, FontStyle::Normal,
                      FONT_STRETCH_EXTRA_EXPANDED, 56.0f, L""}) {
        SetTextAlignment(TextAlignment::Center);
    }
};

struct Ink {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;  // inclusive
    bool any() const { return right >= 0; }
};

// The box of every pixel that is not black, and whether all of them are yellow.
Ink findInk(const PixelImage& frame, bool* allYellow = nullptr) {
    Ink ink;
    if (allYellow) *allYellow = true;
    for (int y = 0; y < int(frame.height); ++y) {
        for (int x = 0; x < int(frame.width); ++x) {
            const std::uint32_t p = pixelAt(frame, x, y);
            if ((p & 0xFFFFFF) == 0) continue;
            ink = {std::min(ink.left, x), std::max(ink.right, x), std::min(ink.top, y),
                   std::max(ink.bottom, y)};
            if (allYellow && (channelOf(p, 16) != channelOf(p, 8) || channelOf(p, 0) != 0))
                *allYellow = false;
        }
    }
    return ink;
}

PixelImage drawText(const std::wstring& text, RectF layout) {
    LargeFormat format;
    return renderFrame({600, 720}, kClearBlack, [&](SoftwareRenderTarget& t) {
        Brush yellow({1, 1, 0, 1});
        t.DrawText(text.c_str(), static_cast<std::uint32_t>(text.size()), &format, layout, &yellow);
    });
}

TEST(Text, JapaneseTextIsCentredFromTheTopAndRunsOnBelowTheRectangle) {
    bool allYellow = false;
    const Ink ink = findInk(drawText(L"敵帝国軍戦闘機", {0, 280, 600, 300}), &allYellow);
    ASSERT_TRUE(ink.any());
    EXPECT_TRUE(allYellow);
    // Seven wide glyphs of 56 pixels: about 392 pixels, centred in 600.
    EXPECT_GT(ink.right - ink.left, 300);
    EXPECT_NEAR(ink.left, 599 - ink.right, 6);
    EXPECT_GE(ink.top, 280);
    EXPECT_LT(ink.top, 300);
    EXPECT_GT(ink.bottom, 320);  // far below the 20-pixel rectangle: not clipped
}

TEST(Text, WrapsAtTheLayoutWidthAndBreaksAtLineFeeds) {
    const Ink oneLine = findInk(drawText(L"敵帝国軍戦闘機", {0, 100, 600, 120}));
    const int lineHeight = oneLine.bottom - oneLine.top;
    struct Case {
        const wchar_t* text;
        int lines;
    } cases[] = {
        {L"敵帝国軍戦闘機敵帝国軍戦闘機", 2},  // 784 pixels of glyphs in 600
        {L"GAME\nCLEAR", 2},
        {L"敵帝国軍戦闘機\nKRYSZENを\n全滅した！\nGAME CLEAR\nOVER ALL", 5},
    };
    for (const Case& c : cases) {
        const Ink ink = findInk(drawText(c.text, {0, 100, 600, 120}));
        ASSERT_TRUE(ink.any());
        EXPECT_GE(ink.left, 0);
        EXPECT_LE(ink.right, 599);
        EXPECT_GT(ink.bottom - ink.top, (c.lines - 1) * lineHeight + lineHeight / 2) << c.lines;
        EXPECT_LT(ink.bottom - ink.top, (c.lines + 1) * lineHeight * 3 / 2) << c.lines;
    }
}

TEST(Text, LayoutsAreKeptPerStringAndFormat) {
    TextCache cache;
    LargeFormat centred;
    LargeFormat leading;
    leading.SetTextAlignment(TextAlignment::Leading);
    const RectF layout{0, 280, 600, 300};
    const TextMask& first = cache.find(L"OVER ALL", centred, layout);
    EXPECT_EQ(&cache.find(L"OVER ALL", centred, layout), &first);
    EXPECT_NE(&cache.find(L"OVER ALL", leading, layout), &first);
    EXPECT_NE(&cache.find(L"OVER ALL!", centred, layout), &first);
    EXPECT_EQ(cache.size(), 3u);
    // Leading text starts at the left edge; centred text does not.
    EXPECT_LT(cache.find(L"OVER ALL", leading, layout).left, 10);
    EXPECT_GT(first.left, 100);
}

}  // namespace
