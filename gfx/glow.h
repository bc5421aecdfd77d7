// Neon drawing: every line and dot of the game is one glow line, three strokes
// of the shared brush with the round-capped glow stroke.
#pragma once

#include <cstdint>

#include "platform/render.h"

ColorF colorFromRgb(std::uint32_t rgb, float alpha);
PointF makePoint(float x, float y);
RectF makeRect(float left, float top, float right, float bottom);

// Halo (width 8, colour x 5 unclamped, alpha 0.5), body (4, alpha 0.7), core
// (2, opaque). Leaves the brush on the core colour.
void drawGlowLine(RenderTarget* target, std::uint32_t rgb, const PointF& from, const PointF& to);
