// Filled and outlined ellipses, anti-aliased from an estimate of the signed
// distance to the ellipse (exact for circles, first-order for ellipses).
#pragma once

#include "platform/raster/paint.h"
#include "platform/raster/pixel_span.h"

struct EllipseShape {
    EllipseF ellipse;
    bool outline;     // false: filled
    float halfWidth;  // half the outline's stroke width
    Paint paint;
};

void rasterEllipse(PixelImage& frame, RowBand band, const EllipseShape& shape);
