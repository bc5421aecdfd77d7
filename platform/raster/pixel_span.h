// Which rows and columns of the frame a draw may touch. Shapes are measured at
// pixel centres (x + 0.5, y + 0.5); the helpers turn a float extent into a
// pixel range clamped to the frame, so that no draw can write outside it
// whatever coordinates it is given.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/render.h"

// Rows [top, bottom) of the frame that one call may write: the whole frame, or
// one band of it when several threads share the frame.
struct RowBand {
    int top;
    int bottom;
};

// Columns [begin, end) of one row.
struct ColumnSpan {
    int begin;
    int end;
};

inline std::uint32_t* frameRow(PixelImage& frame, int y) {
    return frame.pixels.data() + static_cast<std::size_t>(y) * frame.width;
}

// floor(v), clamped to [lo, hi].
inline int clampedFloor(float v, int lo, int hi) {
    if (!(v > static_cast<float>(lo))) return lo;
    if (!(v < static_cast<float>(hi))) return hi;
    return static_cast<int>(std::floor(v));
}

// Pixels whose centres may lie in [from, to]: the first one may lie just
// outside, which covers rounding in the caller's extent.
inline RowBand rowsBetween(RowBand band, float from, float to) {
    return {clampedFloor(from - 0.5f, band.top, band.bottom),
            clampedFloor(to + 0.5f, band.top, band.bottom)};
}

inline ColumnSpan columnsBetween(const PixelImage& frame, float from, float to) {
    const int width = static_cast<int>(frame.width);
    return {clampedFloor(from - 0.5f, 0, width), clampedFloor(to + 0.5f, 0, width)};
}

// Pixels handled together by the vectorised loops.
inline constexpr int kVectorStep = 8;

// Widens a span to a whole number of vector steps where the row allows, so
// the vectorised pixel loops never fall into their one-pixel tail. Only for
// draws whose extra pixels get zero coverage, which leaves them unchanged.
inline ColumnSpan widenToVectors(ColumnSpan span, const PixelImage& frame) {
    const int width = static_cast<int>(frame.width);
    const int length = (span.end - span.begin + kVectorStep - 1) / kVectorStep * kVectorStep;
    if (length > width) return {0, width};
    const int begin = std::min(span.begin, width - length);
    return {begin, begin + length};
}
