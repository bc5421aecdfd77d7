#include "game/enemy_bullets.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/glow.h"

namespace {

struct MissileStreak {
    float dx;
    float fromDy;  // the streak runs 50 pixels down from here
    std::uint32_t colour;
};

// Drawn in this order; enemies 0..8 show the first 2, 9..23 the first 4, 24..47 all 8.
const MissileStreak kMissileStreaks[] = {
    {-10.0f, 30.0f, 0x0FFFFF}, {10.0f, 30.0f, 0x0FFFFF},  {-20.0f, 20.0f, 0x0FFFFF},
    {20.0f, 20.0f, 0x0FFFFF},  {-40.0f, 20.0f, 0xFFF000}, {40.0f, 20.0f, 0xFFF000},
    {-70.0f, 0.0f, 0xFFF000},  {70.0f, 0.0f, 0xFFF000},
};

int countMissileStreaks(int enemy) {
    if (enemy >= 24) return 8;
    if (enemy >= 9) return 4;
    return 2;
}

void drawMissile(RenderTarget* target, const EnemyBullet& missile, int streakCount) {
    for (int k = 0; k < streakCount; ++k) {
        const MissileStreak& s = kMissileStreaks[k];
        const float x = missile.x + s.dx;
        drawGlowLine(target, s.colour, makePoint(x, missile.y + s.fromDy),
                     makePoint(x, missile.y + (s.fromDy + 50.0f)));
    }
}

}  // namespace

void updateMissiles(RenderTarget* target) {
    for (int i = 0; i < kEnemyCount; ++i) {
        const Enemy& enemy = enemies[i];
        EnemyBullet& missile = missiles[i];
        if (enemy.hp > 0 && enemy.y >= 100.0f && missile.active == 0.0f) {
            missile = {enemy.x, enemy.y, 1.0f};
        }
        if (missile.active == 1.0f) {
            drawMissile(target, missile, countMissileStreaks(i));
            missile.y = missile.y + 18.0f;
        }
        if (missile.y >= 1168.0f) parkEnemyBullet(missile);
    }
}
