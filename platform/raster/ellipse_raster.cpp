#include "platform/raster/ellipse_raster.h"

#include <cmath>

namespace {

struct EllipseMetric {
    float cx, cy;
    float invRx2, invRy2;  // 1 / r^2
    float invRx4, invRy4;  // 1 / r^4
    float minGradient;     // |grad g| never falls below 1 / max(rx, ry)
    float radius;          // circles only
};

// The exact distance for a circle; for an ellipse
// (g - 1) / |grad g| with g = sqrt(x^2/rx^2 + y^2/ry^2): the distance to the
// outline to first order, negative inside; the gradient floor keeps the centre
// (where g and its gradient vanish) deep inside.
template <bool Circle>
RASTER_INLINE float signedDistance(const EllipseMetric& m, float x, float y) {
    if (Circle) return std::sqrt(x * x + y * y) - m.radius;
    const float g = std::sqrt(x * x * m.invRx2 + y * y * m.invRy2);
    const float h = std::sqrt(x * x * m.invRx4 + y * y * m.invRy4);
    const float gradient = std::max(h / std::max(g, 1e-30f), m.minGradient);
    return (g - 1.0f) / gradient;
}

template <bool Outline, bool Circle>
RASTER_INLINE void paintEllipseRow(std::uint32_t* row, int x0, int x1, float y,
                                   const EllipseMetric& m, const EllipseShape& shape) {
    for (int x = x0; x < x1; ++x) {
        const float d = signedDistance<Circle>(m, static_cast<float>(x) + 0.5f - m.cx, y);
        const float reach = Outline ? shape.halfWidth + 0.5f - std::fabs(d) : 0.5f - d;
        row[x] = blendPaint(row[x], shape.paint, std::min(std::max(reach, 0.0f), 1.0f));
    }
}

template <bool Outline, bool Circle>
RASTER_INLINE void paintEllipse(PixelImage& frame, RowBand band, const EllipseShape& shape) {
    const EllipseF& e = shape.ellipse;
    const float rx = e.radiusX, ry = e.radiusY;
    // Smaller radii cover no pixel by a visible amount, and 1 / r^4 must stay finite.
    if (!(rx >= 1e-3f && ry >= 1e-3f)) return;
    const EllipseMetric m{e.point.x,
                          e.point.y,
                          1.0f / (rx * rx),
                          1.0f / (ry * ry),
                          1.0f / (rx * rx * rx * rx),
                          1.0f / (ry * ry * ry * ry),
                          1.0f / std::max(rx, ry),
                          rx};
    // Everything within `grow` of the ellipse lies inside the ellipse with both
    // radii grown by `grow`.
    const float grow = (Outline ? shape.halfWidth : 0.0f) + 1.0f;
    const float outerX = rx + grow, outerY = ry + grow;
    const RowBand rows = rowsBetween(band, m.cy - outerY, m.cy + outerY);
    for (int yi = rows.top; yi < rows.bottom; ++yi) {
        const float y = static_cast<float>(yi) + 0.5f - m.cy;
        const float across = 1.0f - (y / outerY) * (y / outerY);
        if (across <= 0.0f) continue;
        const float half = outerX * std::sqrt(across);
        const ColumnSpan span =
            widenToVectors(columnsBetween(frame, m.cx - half, m.cx + half), frame);
        paintEllipseRow<Outline, Circle>(frameRow(frame, yi), span.begin, span.end, y, m, shape);
    }
}

}  // namespace

RASTER_KERNEL void rasterEllipse(PixelImage& frame, RowBand band, const EllipseShape& shape) {
    const bool circle = shape.ellipse.radiusX == shape.ellipse.radiusY;
    if (shape.outline)
        circle ? paintEllipse<true, true>(frame, band, shape)
               : paintEllipse<true, false>(frame, band, shape);
    else
        circle ? paintEllipse<false, true>(frame, band, shape)
               : paintEllipse<false, false>(frame, band, shape);
}
