// What every coverage-based draw shares: the source colour of one layer of
// paint and the source-over blend of that layer into an 8-bit premultiplied
// 0xAARRGGBB pixel. The source colour is kept unclamped; only the blended
// result is clamped when stored, which is what lets an over-bright halo
// saturate into a glow.
#pragma once

#include <algorithm>
#include <cstdint>

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

inline std::uint32_t storeChannel(float value) {
    return static_cast<std::uint32_t>(std::min(std::max(value, 0.0f), 255.0f) + 0.5f);
}

// Source-over of `paint` at `coverage` (0..1). Zero coverage returns the pixel
// unchanged to the bit, so fused passes may walk pixels a pass does not reach.
inline std::uint32_t blendPaint(std::uint32_t pixel, const Paint& paint, float coverage) {
    const float keep = 1.0f - paint.alpha * coverage;
    const float b = static_cast<float>(pixel & 0xFFu);
    const float g = static_cast<float>((pixel >> 8) & 0xFFu);
    const float r = static_cast<float>((pixel >> 16) & 0xFFu);
    const float a = static_cast<float>(pixel >> 24);
    return storeChannel(paint.alpha255 * coverage + a * keep) << 24 |
           storeChannel(paint.red * coverage + r * keep) << 16 |
           storeChannel(paint.green * coverage + g * keep) << 8 |
           storeChannel(paint.blue * coverage + b * keep);
}
