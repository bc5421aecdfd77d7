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

// Glowing outlines made of the same three passes; the game draws none of them.
void drawGlowEllipse(RenderTarget* target, std::uint32_t rgb, const EllipseF& ellipse);
void drawGlowRect(RenderTarget* target, std::uint32_t rgb, const RectF& rect);
// Corners of radius 4.
void drawGlowRoundRect(RenderTarget* target, std::uint32_t rgb, const RectF& rect);

// Turns the point about the origin by angle degrees (clockwise on screen, y
// growing downwards); both results come from the old x and y.
void rotatePoint(float& x, float& y, float angle);
void vecAdd(float ax, float ay, float bx, float by, float& outX, float& outY);
void vecSub(float ax, float ay, float bx, float by, float& outX, float& outY);
