#include "gfx/explosions.h"

#include <cstring>

#include "gfx/glow.h"

Explosion explosions[kExplosionCount];

int findFreeExplosion(const Explosion* pool, int count) {
    for (int i = 0; i < count; ++i) {
        if (pool[i].framesLeft == 0) return i;
    }
    return -1;
}

void planExplosion(Explosion& record) {
    const float n = static_cast<float>(record.framesLeft);
    record.stepAlpha = (record.endAlpha - record.alpha) / n;
    record.stepScale = (record.endScale - record.scale) / n;
    record.stepX = (record.endX - record.x) / n;
    record.stepY = (record.endY - record.y) / n;
    record.colour &= 0xFFFFFF;
}

void stepExplosion(Explosion& record) {
    record.alpha += record.stepAlpha;
    record.scale += record.stepScale;
    record.x += record.stepX;
    record.y += record.stepY;
    record.framesLeft -= 1;
}

void spawnExplosion(float px, float py) {
    const int i = findFreeExplosion(explosions, kExplosionCount);
    if (i < 0) return;
    Explosion& e = explosions[i];
    e.framesLeft = 6;
    e.x = px;
    e.y = py;
    e.endX = px;
    e.endY = py;
    e.baseSize = 32.0f;
    e.scale = 0.5f;
    e.endScale = 4.0f;
    e.alpha = 0.6f;
    e.endAlpha = 0.1f;
    e.colour = 0xFFFFFFF0u;  // the top byte is masked off by the plan
    planExplosion(e);
}

void drawExplosions(RenderTarget* target, Brush* brush) {
    for (Explosion& e : explosions) {
        if (e.framesLeft == 0) continue;
        stepExplosion(e);
        brush->SetColor(colorFromRgb(e.colour, e.alpha));
        const float r = e.baseSize * e.scale / 2.0f;
        target->FillEllipse({{e.x, e.y}, r, r}, brush);
        target->FillEllipse({{e.x - 30.0f, e.y - 30.0f}, r, r}, brush);
        target->FillEllipse({{e.x + 30.0f, e.y - 30.0f}, r, r}, brush);
    }
}

void clearExplosions() { std::memset(explosions, 0, sizeof explosions); }
