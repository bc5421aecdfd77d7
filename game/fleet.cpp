#include <cmath>

#include "game/debris.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/glow.h"

namespace {

constexpr int kWaveSlots = 9;  // slots 0..8; the trios follow
constexpr float kWaveStartY[kWaveSlots] = {-200.0f, -100.0f,  -200.0f, -600.0f, -500.0f,
                                           -600.0f, -1000.0f, -900.0f, -1000.0f};
constexpr PointF kSmallTrioStart[3] = {{150.0f, -400.0f}, {450.0f, -400.0f}, {300.0f, -800.0f}};
constexpr PointF kLargeTrioStart[3] = {{150.0f, -800.0f}, {450.0f, -800.0f}, {300.0f, -1800.0f}};
constexpr float kBottomY = 1168.0f;

// One sprite per group: the wave, then trios 0 to 12.
struct EnemySprite {
    RectF source;
    float halfWidth;
    float halfHeight;
};
constexpr EnemySprite kSprites[14] = {
    {{50.0f, 0.0f, 110.0f, 60.0f}, 30.0f, 30.0f},
    {{0.0f, 100.0f, 300.0f, 400.0f}, 150.0f, 150.0f},
    {{300.0f, 100.0f, 600.0f, 400.0f}, 150.0f, 150.0f},
    {{600.0f, 100.0f, 900.0f, 400.0f}, 150.0f, 150.0f},
    {{0.0f, 400.0f, 400.0f, 1200.0f}, 200.0f, 400.0f},
    {{400.0f, 400.0f, 800.0f, 1200.0f}, 200.0f, 400.0f},
    {{800.0f, 400.0f, 1200.0f, 1200.0f}, 200.0f, 400.0f},
    {{0.0f, 1200.0f, 400.0f, 2000.0f}, 200.0f, 400.0f},
    {{400.0f, 1200.0f, 800.0f, 2000.0f}, 200.0f, 400.0f},
    {{800.0f, 1200.0f, 1200.0f, 2000.0f}, 200.0f, 400.0f},
    {{0.0f, 2000.0f, 400.0f, 2800.0f}, 200.0f, 400.0f},
    {{400.0f, 2000.0f, 800.0f, 2800.0f}, 200.0f, 400.0f},
    {{800.0f, 2000.0f, 1200.0f, 2800.0f}, 200.0f, 400.0f},
    {{0.0f, 2800.0f, 400.0f, 3600.0f}, 200.0f, 400.0f},
};

// One row of the motion table: the angle step of each 300-tick quarter, whether the
// course moves x, and the constant part of the y change.
struct Weave {
    float turn[4];
    bool sway;
    float sink;
};
constexpr float kTurn = 0.0006f;
constexpr Weave kPhaseA = {{kTurn, kTurn, -kTurn, -kTurn}, true, 6.0f};
constexpr Weave kPhaseBWave = {{kTurn, kTurn, kTurn, kTurn}, true, 6.0f};
constexpr Weave kPhaseBTrio = {{-kTurn, -kTurn, kTurn, kTurn}, true, 6.0f};
constexpr Weave kPhaseCWave = {{-kTurn, -kTurn, -kTurn, -kTurn}, true, 3.0f};
constexpr Weave kPhaseCTrio = {{-kTurn, -kTurn, kTurn, kTurn}, false, 6.0f};

bool clockWithin(float from, float to) {
    return stageClock >= from && stageClock <= to;
}

bool waveWindowOpen() {
    if (clockWithin(100.0f, 500.0f)) return true;
    for (int n = 1; n <= 12; ++n) {
        const float start = static_cast<float>(n) * 1000.0f;
        if (clockWithin(start, start + 500.0f)) return true;
    }
    return false;
}

void spawnEnemy(Enemy& enemy, PointF start) {
    enemy.x = start.x;
    enemy.y = start.y;
    enemy.flash = 0.0f;
    enemy.burstCount = 0.0f;
    enemy.weaveTick = 0.0f;
    enemy.weaveAngle = 0.0f;
    enemy.hp = 1;
}

// Spawning is a level condition: a free slot is respawned on every frame its window is open.
void spawnByClock(Enemy& enemy, int slot) {
    if (enemy.hp != 0) return;
    if (slot < kWaveSlots) {
        if (waveWindowOpen()) {
            spawnEnemy(enemy, {60.0f * static_cast<float>(slot + 1), kWaveStartY[slot]});
        }
        return;
    }
    const int trio = (slot - kWaveSlots) / 3;
    const float start = 500.0f + 1000.0f * static_cast<float>(trio);
    if (!clockWithin(start, start + 550.0f)) return;
    const PointF* places = trio < 3 ? kSmallTrioStart : kLargeTrioStart;
    spawnEnemy(enemy, places[(slot - kWaveSlots) % 3]);
}

void stepWeave(Enemy& enemy, const Weave& weave) {
    enemy.weaveTick += 1.0f;
    const float tick = enemy.weaveTick;
    if (tick >= 1.0f && tick <= 300.0f) {
        enemy.weaveAngle += weave.turn[0];
    } else if (tick >= 301.0f && tick <= 600.0f) {
        enemy.weaveAngle += weave.turn[1];
    } else if (tick >= 601.0f && tick <= 900.0f) {
        enemy.weaveAngle += weave.turn[2];
    } else if (tick >= 901.0f && tick <= 1200.0f) {
        enemy.weaveAngle += weave.turn[3];
    }
    if (enemy.weaveTick >= 1201.0f) enemy.weaveTick = 0.0f;

    // 180 / kPi turns each small angle step into a large turn of the course.
    const float theta = enemy.weaveAngle * 180.0f / kPi;
    if (weave.sway) {
        enemy.x = enemy.x + 6.0f * static_cast<float>(std::cos(static_cast<double>(theta)));
    }
    enemy.y =
        enemy.y + (6.0f * static_cast<float>(std::sin(static_cast<double>(theta))) + weave.sink);
}

// The phase windows touch, so on clocks 2500, 7500 and 10500 an enemy moves twice.
void moveEnemy(Enemy& enemy, int slot) {
    const bool wave = slot < kWaveSlots;
    if (clockWithin(1.0f, 2500.0f)) stepWeave(enemy, kPhaseA);
    if (clockWithin(2500.0f, 7500.0f)) stepWeave(enemy, wave ? kPhaseBWave : kPhaseBTrio);
    if (clockWithin(7500.0f, 10500.0f)) stepWeave(enemy, wave ? kPhaseCWave : kPhaseCTrio);
    if (clockWithin(10500.0f, 14500.0f)) enemy.y = enemy.y + 6.0f;
}

void drawEnemy(RenderTarget* target, const Enemy& enemy, int slot) {
    const EnemySprite& sprite = kSprites[slot < kWaveSlots ? 0 : 1 + (slot - kWaveSlots) / 3];
    target->DrawBitmap(shipBitmap,
                       makeRect(enemy.x - sprite.halfWidth, enemy.y - sprite.halfHeight,
                                enemy.x + sprite.halfWidth, enemy.y + sprite.halfHeight),
                       1.0f, BitmapInterpolation::Linear, sprite.source);
}

// Leaving at the bottom always parks at the common position and throws out no debris.
void removeAtBottom(Enemy& enemy) {
    if (enemy.y < kBottomY) return;
    enemy.x = kParkX;
    enemy.y = kParkY;
    enemy.burstCount = 0.0f;
    enemy.flash = 0.0f;
    enemy.hp = 0;
    enemy.weaveTick = 0.0f;
    enemy.weaveAngle = 0.0f;
}

}  // namespace

void updateEnemyFleet(RenderTarget* target) {
    for (int slot = 0; slot < kEnemyCount; ++slot) {
        Enemy& enemy = enemies[slot];
        spawnByClock(enemy, slot);
        if (enemy.hp == 1) {
            moveEnemy(enemy, slot);
            drawEnemy(target, enemy, slot);
        }
        removeAtBottom(enemy);
        updateDebrisRow(target, slot);
    }
}
