// Round-capped lines: every pixel whose centre lies within half the stroke
// width of the segment, with coverage ramped over one pixel from the exact
// distance. Consecutive strokes of one segment (the three passes of a glow
// line) are drawn in one walk over the pixels, blended in their order.
#pragma once

#include "platform/raster/paint.h"
#include "platform/raster/pixel_span.h"

inline constexpr int kMaxLinePasses = 3;

struct LineShape {
    PointF from;
    PointF to;
    int passCount;  // 1..kMaxLinePasses
    float halfWidth[kMaxLinePasses];
    Paint paint[kMaxLinePasses];
};

void rasterLine(PixelImage& frame, RowBand band, const LineShape& line);
