// Small frames drawn by the software renderer, and an independent reference of
// what a source-over blend of unclamped premultiplied paint must store, for the
// renderer's tests.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include "platform/raster/software_target.h"

// Draws with `draw` between BeginDraw and EndDraw after clearing to `clear`.
inline PixelImage renderFrame(SizeU size, ColorF clear,
                              const std::function<void(SoftwareRenderTarget&)>& draw,
                              int threads = 1) {
    SoftwareRenderTarget target(size);
    target.setThreadCount(threads);
    target.BeginDraw();
    target.Clear(clear);
    draw(target);
    target.EndDraw();
    return target.frame();
}

inline constexpr ColorF kClearBlack{0, 0, 0, 1};
inline constexpr ColorF kTransparent{0, 0, 0, 0};

inline std::uint32_t pixelAt(const PixelImage& frame, int x, int y) {
    return frame.pixels[static_cast<std::size_t>(y) * frame.width + x];
}

// Channel 0..255 of a pixel: shift 24 alpha, 16 red, 8 green, 0 blue.
inline int channelOf(std::uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFF;
}

// Sum of alpha / 255 over columns [x0, x1) and rows [y0, y1): the painted area
// when opaque paint was drawn on a transparent frame.
inline double coveredArea(const PixelImage& frame, int x0, int x1, int y0, int y1) {
    double area = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) area += channelOf(pixelAt(frame, x, y), 24) / 255.0;
    return area;
}

// Source-over of `color` (unclamped, not yet premultiplied) at `coverage` into
// an 8-bit premultiplied pixel, in double precision, clamped and rounded only
// when stored.
inline std::uint32_t referenceBlend(std::uint32_t pixel, const ColorF& color, double coverage) {
    const double alpha = std::clamp(static_cast<double>(color.a), 0.0, 1.0) * coverage;
    const double source[4] = {color.b * alpha, color.g * alpha, color.r * alpha, alpha};
    std::uint32_t out = 0;
    for (int c = 0; c < 4; ++c) {
        const double d = ((pixel >> (8 * c)) & 0xFF) / 255.0;
        const double v = std::clamp(source[c] + d * (1.0 - alpha), 0.0, 1.0);
        out |= static_cast<std::uint32_t>(std::lround(v * 255.0)) << (8 * c);
    }
    return out;
}

// Largest difference of any channel between two pixels.
inline int channelDistance(std::uint32_t a, std::uint32_t b) {
    int most = 0;
    for (int shift = 0; shift < 32; shift += 8)
        most = std::max(most, std::abs(channelOf(a, shift) - channelOf(b, shift)));
    return most;
}
