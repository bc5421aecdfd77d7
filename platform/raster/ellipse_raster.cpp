#include "platform/raster/ellipse_raster.h"

#include <cmath>

namespace {

struct EllipseMetric {
    float cx, cy;
    float invRx2, invRy2;  // 1 / r^2
    float invRx4, invRy4;  // 1 / r^4
    float minGradient;     // |grad g| never falls below 1 / max(rx, ry)
};

// (g - 1) / |grad g| with g = sqrt(x^2/rx^2 + y^2/ry^2): the distance to the
// outline to first order, negative inside; the gradient floor keeps the centre
// (where g and its gradient vanish) deep inside.
inline float signedDistance(const EllipseMetric& m, float x, float y) {
    const float g = std::sqrt(x * x * m.invRx2 + y * y * m.invRy2);
    const float h = std::sqrt(x * x * m.invRx4 + y * y * m.invRy4);
    const float gradient = std::max(h / std::max(g, 1e-30f), m.minGradient);
    return (g - 1.0f) / gradient;
}

template <bool Outline>
void paintEllipseRow(std::uint32_t* row, int x0, int x1, float y, const EllipseMetric& m,
                     const EllipseShape& shape) {
    for (int x = x0; x < x1; ++x) {
        const float d = signedDistance(m, static_cast<float>(x) + 0.5f - m.cx, y);
        const float reach = Outline ? shape.halfWidth + 0.5f - std::fabs(d) : 0.5f - d;
        row[x] = blendPaint(row[x], shape.paint, std::min(std::max(reach, 0.0f), 1.0f));
    }
}

template <bool Outline>
void paintEllipse(PixelImage& frame, RowBand band, const EllipseShape& shape) {
    const EllipseF& e = shape.ellipse;
    const float rx = e.radiusX, ry = e.radiusY;
    if (!(rx > 0.0f && ry > 0.0f)) return;
    const EllipseMetric m{e.point.x,
                          e.point.y,
                          1.0f / (rx * rx),
                          1.0f / (ry * ry),
                          1.0f / (rx * rx * rx * rx),
                          1.0f / (ry * ry * ry * ry),
                          1.0f / std::max(rx, ry)};
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
        const ColumnSpan span = columnsBetween(frame, m.cx - half, m.cx + half);
        paintEllipseRow<Outline>(frameRow(frame, yi), span.begin, span.end, y, m, shape);
    }
}

}  // namespace

void rasterEllipse(PixelImage& frame, RowBand band, const EllipseShape& shape) {
    if (shape.outline)
        paintEllipse<true>(frame, band, shape);
    else
        paintEllipse<false>(frame, band, shape);
}
