// Explosions: three pale discs that grow and fade over six frames, drawn over
// everything else in the frame. A fixed pool of 15; a spawn with no free slot
// is dropped.
#pragma once

#include <cstdint>

#include "platform/render.h"

struct Explosion {
    std::uint32_t framesLeft;  // 0 = slot free
    float x;
    float y;
    float endX;
    float endY;
    float stepX;
    float stepY;
    float baseSize;
    float scale;
    float endScale;
    float stepScale;
    float alpha;
    float endAlpha;
    float stepAlpha;
    std::uint32_t colour;
};

inline constexpr int kExplosionCount = 15;
extern Explosion explosions[kExplosionCount];

void spawnExplosion(float px, float py);
void drawExplosions(RenderTarget* target, Brush* brush);
void clearExplosions();

int findFreeExplosion(const Explosion* pool, int count);
void planExplosion(Explosion& record);
void stepExplosion(Explosion& record);
