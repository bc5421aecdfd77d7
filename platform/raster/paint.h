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

// A pixel's channels as floats 0..255, so several layers can be blended
// before the pixel is written back.
struct Channels {
    float b, g, r, a;
};

RASTER_INLINE Channels loadPixel(std::uint32_t p) {
    return {static_cast<float>(static_cast<std::int32_t>(p & 0xFFu)),
            static_cast<float>(static_cast<std::int32_t>((p >> 8) & 0xFFu)),
            static_cast<float>(static_cast<std::int32_t>((p >> 16) & 0xFFu)),
            static_cast<float>(static_cast<std::int32_t>(p >> 24))};
}

// Channels are whole numbers in 0..255 here.
RASTER_INLINE std::uint32_t storePixel(const Channels& c) {
    auto bits = [](float v) { return static_cast<std::uint32_t>(static_cast<std::int32_t>(v)); };
    return bits(c.a) << 24 | bits(c.r) << 16 | bits(c.g) << 8 | bits(c.b);
}

// Clamped and rounded to a whole 8-bit value, exactly as the frame stores it.
RASTER_INLINE float storedValue(float v) {
    return static_cast<float>(
        static_cast<std::int32_t>(std::min(std::max(v, 0.0f), 255.0f) + 0.5f));
}

// Source-over of `paint` at `coverage` (0..1), rounded as if stored after each
// layer, so layers blended in one walk equal layers drawn one after another.
// Zero coverage leaves the channels unchanged to the bit.
RASTER_INLINE void blendLayer(Channels& c, const Paint& paint, float coverage) {
    const float keep = 1.0f - paint.alpha * coverage;
    c.b = storedValue(paint.blue * coverage + c.b * keep);
    c.g = storedValue(paint.green * coverage + c.g * keep);
    c.r = storedValue(paint.red * coverage + c.r * keep);
    c.a = storedValue(paint.alpha255 * coverage + c.a * keep);
}

RASTER_INLINE std::uint32_t blendPaint(std::uint32_t pixel, const Paint& paint, float coverage) {
    Channels c = loadPixel(pixel);
    blendLayer(c, paint, coverage);
    return storePixel(c);
}
