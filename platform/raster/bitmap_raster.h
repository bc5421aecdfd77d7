// Bitmaps drawn into a destination rectangle: sampled bilinearly (or nearest)
// from within the source rectangle only, multiplied by opacity and by the
// area each destination pixel shares with the destination rectangle.
#pragma once

#include "platform/raster/pixel_span.h"

struct BitmapShape {
    const PixelImage* image;  // premultiplied, alive until the frame is rendered
    RectF destination;
    RectF source;
    float opacity;
    bool nearest;
};

void rasterBitmap(PixelImage& frame, RowBand band, const BitmapShape& shape);
