// Bitmaps against a reference: bilinear sampling inside the source rectangle,
// opacity, area coverage at fractional edges, and clipping to the frame.
#include <gtest/gtest.h>

#include "tests/raster/raster_fixture.h"

namespace {

PixelImage makeImage(std::uint32_t width, std::uint32_t height,
                     const std::function<std::uint32_t(int, int)>& pixel) {
    PixelImage image;
    image.width = width;
    image.height = height;
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) image.pixels.push_back(pixel(x, y));
    return image;
}

// Premultiplied pixel from straight 0..255 channels.
std::uint32_t premultiplied(int r, int g, int b, int a) {
    auto p = [a](int c) { return static_cast<std::uint32_t>((c * a + 127) / 255); };
    return static_cast<std::uint32_t>(a) << 24 | p(r) << 16 | p(g) << 8 | p(b);
}

double overlap(double i, double from, double to) {
    return std::max(0.0, std::min(i + 1, to) - std::max(i, from));
}

// Source-over of the bilinear sample (texels clamped to the source rectangle)
// scaled by opacity and area coverage, in double precision.
PixelImage referenceDraw(PixelImage frame, const PixelImage& image, RectF d, RectF s,
                         float opacity) {
    const double sx = (s.right - s.left) / double(d.right - d.left);
    const double sy = (s.bottom - s.top) / double(d.bottom - d.top);
    const int c0 = std::max(0, int(std::floor(s.left)));
    const int c1 = std::min(int(image.width), int(std::ceil(s.right))) - 1;
    const int r0 = std::max(0, int(std::floor(s.top)));
    const int r1 = std::min(int(image.height), int(std::ceil(s.bottom))) - 1;
    for (int y = 0; y < int(frame.height); ++y) {
        for (int x = 0; x < int(frame.width); ++x) {
            const double cover = overlap(x, d.left, d.right) * overlap(y, d.top, d.bottom);
            if (cover == 0) continue;
            const double u = s.left + (x + 0.5 - d.left) * sx - 0.5;
            const double v = s.top + (y + 0.5 - d.top) * sy - 0.5;
            const double fu = u - std::floor(u), fv = v - std::floor(v);
            const int iu = int(std::floor(u)), iv = int(std::floor(v));
            auto texel = [&](int tx, int ty, int shift) {
                return channelOf(pixelAt(image, std::clamp(tx, c0, c1), std::clamp(ty, r0, r1)),
                                 shift);
            };
            double source[4];
            for (int c = 0; c < 4; ++c) {
                const double top = texel(iu, iv, 8 * c) * (1 - fu) + texel(iu + 1, iv, 8 * c) * fu;
                const double bottom =
                    texel(iu, iv + 1, 8 * c) * (1 - fu) + texel(iu + 1, iv + 1, 8 * c) * fu;
                source[c] = (top * (1 - fv) + bottom * fv) / 255.0 * opacity * cover;
            }
            std::uint32_t& out = frame.pixels[y * frame.width + x];
            std::uint32_t blended = 0;
            for (int c = 0; c < 4; ++c) {
                const double value = source[c] + channelOf(out, 8 * c) / 255.0 * (1 - source[3]);
                blended |= std::uint32_t(std::lround(std::clamp(value, 0.0, 1.0) * 255)) << (8 * c);
            }
            out = blended;
        }
    }
    return frame;
}

struct BitmapCase {
    const char* name;
    PixelImage image;
    RectF destination;
    RectF source;
    float opacity;
};

TEST(BitmapRaster, MatchesTheBilinearReference) {
    const PixelImage checker =
        makeImage(2, 2, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u; });
    // Wide enough for the whole-block path, with transparent stretches.
    const PixelImage sprite = makeImage(80, 6, [](int x, int y) {
        if (x < 36 || (x > 50 && x < 60)) return 0u;
        return premultiplied(40 * y, 3 * x, 200, x % 7 == 0 ? 128 : 255);
    });
    const PixelImage picture =
        makeImage(40, 12, [](int x, int y) { return premultiplied(6 * x, 20 * y, 90, 255); });
    const BitmapCase cases[] = {
        {"2 x 2 checker scaled up", checker, {0, 0, 8, 8}, {0, 0, 2, 2}, 1.0f},
        {"unit scale at a fraction", sprite, {3.25f, 2.75f, 83.25f, 8.75f}, {0, 0, 80, 6}, 1.0f},
        {"unit scale, whole pixels", sprite, {-4, 1, 76, 7}, {0, 0, 80, 6}, 1.0f},
        {"half width like the stage picture", picture, {0, 0, 20, 12}, {0, 0, 40, 12}, 1.0f},
        {"sub-rectangle with opacity", picture, {10.5f, 3.2f, 30.7f, 9.9f}, {8, 2, 28, 9}, 0.5f},
        {"partly outside the frame", sprite, {-20.4f, -2.6f, 59.6f, 3.4f}, {0, 0, 80, 6}, 0.8f},
        {"shrunk and stretched", picture, {50.5f, 0.5f, 61.5f, 15.5f}, {3, 1, 37, 11}, 1.0f},
        {"small sprite at a fraction", picture, {20.3f, 2.6f, 36.3f, 14.6f}, {10, 0, 26, 12}, 1.0f},
        {"small sprite on the frame's right edge",
         picture,
         {85.4f, 3.3f, 101.4f, 15.3f},
         {24, 0, 40, 12},
         1.0f},
        {"small sprite from the picture's last texels",
         picture,
         {40.5f, 1.5f, 56.5f, 13.5f},
         {24, 0, 40, 12},
         0.9f},
    };
    const SizeU size{96, 16};
    const ColorF backdrop{0.2f, 0.4f, 0.6f, 1.0f};
    for (const BitmapCase& c : cases) {
        Bitmap bitmap(c.image);
        const PixelImage frame = renderFrame(size, backdrop, [&](SoftwareRenderTarget& t) {
            t.DrawBitmap(&bitmap, c.destination, c.opacity, BitmapInterpolation::Linear, c.source);
        });
        const PixelImage blank = renderFrame(size, backdrop, [](SoftwareRenderTarget&) {});
        const PixelImage expected =
            referenceDraw(blank, c.image, c.destination, c.source, c.opacity);
        int worst = 0;
        for (std::size_t i = 0; i < frame.pixels.size(); ++i)
            worst = std::max(worst, channelDistance(frame.pixels[i], expected.pixels[i]));
        // Weights are kept to 1/256.
        EXPECT_LE(worst, 2) << c.name;
    }
}

TEST(BitmapRaster, SamplesNothingOutsideTheSourceRectangle) {
    // Red columns 0..1 and rows 0..1, blue everywhere else.
    const PixelImage image =
        makeImage(4, 4, [](int x, int y) { return x < 2 && y < 2 ? 0xFFFF0000u : 0xFF0000FFu; });
    Bitmap bitmap(image);
    for (RectF destination : {RectF{0, 0, 16, 16}, RectF{0.5f, 0.25f, 7.5f, 15.75f}}) {
        const PixelImage frame = renderFrame({16, 16}, kClearBlack, [&](SoftwareRenderTarget& t) {
            t.DrawBitmap(&bitmap, destination, 1.0f, BitmapInterpolation::Linear, {0, 0, 2, 2});
        });
        for (std::uint32_t p : frame.pixels) ASSERT_EQ(channelOf(p, 0), 0) << std::hex << p;
    }
}

TEST(BitmapRaster, NearestNeighbourKeepsHardEdges) {
    const PixelImage checker =
        makeImage(2, 2, [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u; });
    Bitmap bitmap(checker);
    const PixelImage frame = renderFrame({8, 8}, kClearBlack, [&](SoftwareRenderTarget& t) {
        t.DrawBitmap(&bitmap, {0, 0, 8, 8}, 1.0f, BitmapInterpolation::NearestNeighbor,
                     {0, 0, 2, 2});
    });
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(pixelAt(frame, x, y), ((x / 4 + y / 4) % 2 ? 0xFFFFFFFFu : 0xFF000000u));
}

}  // namespace
