// A coverage mask (laid-out text) blended into the frame in one paint.
#pragma once

#include "platform/raster/paint.h"
#include "platform/raster/pixel_span.h"
#include "platform/raster/text_layout.h"

struct MaskShape {
    const TextMask* mask;  // kept by the text cache until the frame is rendered
    Paint paint;
};

void rasterMask(PixelImage& frame, RowBand band, const MaskShape& shape);
