// Rectangle outlines: sharp corners (mitred joins) covered by exact area, and
// rounded corners anti-aliased from the exact distance to the outline.
#pragma once

#include "platform/raster/paint.h"
#include "platform/raster/pixel_span.h"

struct RectShape {
    RectF rect;
    float radius;  // corner radius; 0 for sharp corners
    float halfWidth;
    Paint paint;
};

void rasterRect(PixelImage& frame, RowBand band, const RectShape& shape);
