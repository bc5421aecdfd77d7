// What every coverage-based draw shares: the source colour of one layer of
// paint and the source-over blend of that layer into an 8-bit premultiplied
// 0xAARRGGBB pixel. The source colour is kept unclamped; only the blended
// result is clamped when stored, which is what lets an over-bright halo
// saturate into a glow.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/raster/kernel_dispatch.h"
#include "platform/render.h"

// One layer of solid paint, premultiplied and scaled to 0..255.
struct Paint {
    float red, green, blue;  // colour x alpha x 255, unclamped
    float alpha255;          // alpha x 255
    float alpha;             // alpha 0..1: the share of the destination it hides
};

// Alpha is clamped because a value outside 0..1 has no meaning for coverage;
// the colour is not.
inline Paint makePaint(const ColorF& color) {
    const float a = std::clamp(color.a, 0.0f, 1.0f);
    return {color.r * a * 255.0f, color.g * a * 255.0f, color.b * a * 255.0f, a * 255.0f, a};
}

// Channel c (0 blue .. 3 alpha) of a pixel as a float 0..255.
RASTER_INLINE float channelValue(std::uint32_t pixel, int c) {
    return static_cast<float>(static_cast<std::int32_t>((pixel >> (8 * c)) & 0xFFu));
}

// Clamped to 0..255 and rounded, as the frame stores it.
RASTER_INLINE std::uint32_t storedChannel(float v) {
    return static_cast<std::uint32_t>(
        static_cast<std::int32_t>(std::min(std::max(v, 0.0f), 255.0f) + 0.5f));
}

// Source-over of `paint` at `coverage` (0..1). Zero coverage returns the pixel
// unchanged to the bit, so a draw may walk pixels its shape does not reach.
RASTER_INLINE std::uint32_t blendPaint(std::uint32_t pixel, const Paint& paint, float coverage) {
    const float keep = 1.0f - paint.alpha * coverage;
    return storedChannel(paint.alpha255 * coverage + channelValue(pixel, 3) * keep) << 24 |
           storedChannel(paint.red * coverage + channelValue(pixel, 2) * keep) << 16 |
           storedChannel(paint.green * coverage + channelValue(pixel, 1) * keep) << 8 |
           storedChannel(paint.blue * coverage + channelValue(pixel, 0) * keep);
}
