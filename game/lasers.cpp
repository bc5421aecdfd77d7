#include <cmath>
#include <cstdint>

#include "game/game.h"
#include "game/game_state.h"
#include "gfx/explosions.h"
#include "gfx/glow.h"

namespace {

enum class LaserSource { Pod, Enemy, Ship };

// Everything that tells the pod, enemy and homing lasers apart; one routine flies them all.
struct LaserVariant {
    LaserTrail* table;
    int first;  // lasers first..end - 1; laser i belongs to pod or enemy slot i
    int end;
    LaserSource source;
    bool armsOnEnemyY;  // otherwise an idle laser is armed at once
    float armMinY;      // enemy i's y must be at least this
    bool aimsAtEnemy;   // otherwise at the fixed aim point
    float aimX;
    float aimY;
    bool turnsByParity;  // even lasers clockwise; otherwise lasers from clockwiseFrom on
    int clockwiseFrom;
    float steerX;
    float steerY;
    std::uint32_t colour;
    float xMax;
    float xMin;
    float yMax;
    float yMin;
    bool hitsEnemy;  // second edition: a point entering its enemy's box stops there
};

inline constexpr int kLastLaserPoint = kLaserPoints - 1;
inline constexpr int kHitPoint = 18;          // the one point whose arrival destroys the enemy
inline constexpr int kLastSegmentStart = 18;  // segments join points 1..19
inline constexpr std::uint32_t kSteeringFrames = 21;
inline constexpr float kCruiseFactor = 30.0f;
inline constexpr float kTurnClockwise = (1.0f * kPi) / 21.0f;
inline constexpr float kTurnAnticlockwise = (-1.0f * kPi) / 21.0f;

const LaserVariant podLaserVariant = {
    .table = playerLasers,
    .first = 0,
    .end = kPodCount,
    .source = LaserSource::Pod,
    .armsOnEnemyY = false,
    .armMinY = 0.0f,
    .aimsAtEnemy = false,
    .aimX = 300.0f,
    .aimY = -411.0f,
    .turnsByParity = true,
    .clockwiseFrom = 0,
    .steerX = 14.0f,
    .steerY = 20.0f,
    .colour = 0x00AA00,
    .xMax = 1400.0f,
    .xMin = -800.0f,
    .yMax = 1168.0f,
    .yMin = -100.0f,
    .hitsEnemy = false,
};

const LaserVariant enemyLaserVariant = {
    .table = enemyLasers,
    .first = 3,
    .end = kEnemyLaserCount,
    .source = LaserSource::Enemy,
    .armsOnEnemyY = true,
    .armMinY = 200.0f,
    .aimsAtEnemy = false,
    .aimX = 300.0f,
    .aimY = 2000.0f,
    .turnsByParity = false,
    .clockwiseFrom = 9,
    .steerX = 24.0f,
    .steerY = 30.0f,
    .colour = 0x000AFF,
    .xMax = 700.0f,
    .xMin = -100.0f,
    .yMax = 868.0f,
    .yMin = -100.0f,
    .hitsEnemy = false,
};

// Second edition: one laser per enemy slot, fired from the ship at its own enemy.
const LaserVariant homingLaserVariant = {
    .table = playerLasers,
    .first = 0,
    .end = kPlayerLaserCount,
    .source = LaserSource::Ship,
    .armsOnEnemyY = true,
    .armMinY = -160.0f,
    .aimsAtEnemy = true,
    .aimX = 0.0f,
    .aimY = 0.0f,
    .turnsByParity = true,
    .clockwiseFrom = 0,
    .steerX = 18.0f,
    .steerY = 25.0f,
    .colour = 0x00AA00,
    .xMax = 1400.0f,
    .xMin = -800.0f,
    .yMax = 1168.0f,
    .yMin = -100.0f,
    .hitsEnemy = true,
};

PointF findLaserSource(const LaserVariant& v, int i) {
    switch (v.source) {
        case LaserSource::Pod:
            return optionPos[i];
        case LaserSource::Enemy:
            return {enemies[i].x, enemies[i].y};
        case LaserSource::Ship:
            break;
    }
    return {playerX, playerY};
}

bool isLaserArmed(const LaserVariant& v, int i) {
    return !v.armsOnEnemyY || enemies[i].y >= v.armMinY;
}

float findTurnStep(const LaserVariant& v, int i) {
    const bool clockwise = v.turnsByParity ? i % 2 == 0 : i >= v.clockwiseFrom;
    return clockwise ? kTurnClockwise : kTurnAnticlockwise;
}

bool isOutsideLaserBounds(const LaserVariant& v, float x, float y) {
    return x > v.xMax || x < v.xMin || y > v.yMax || y < v.yMin;
}

// Each frame of a volley counts on; its first frame gathers every point at the
// launch point, and frames 0..20 emit points 0..20 there.
void advanceVolley(LaserTrail& laser, const LaserVariant& v, int i) {
    // Counted in unsigned arithmetic: a volley that never ends wraps instead of overflowing.
    laser.counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(laser.counter) + 1u);
    if (laser.counter == 0) {
        const PointF source = findLaserSource(v, i);
        laser.launchX = source.x;
        laser.launchY = source.y + 30.0f;
        for (int j = 0; j < kLaserPoints; ++j) {
            laser.x[j] = laser.launchX + 1.0f;
            laser.y[j] = laser.launchY + 1.0f;
        }
    }
    if (laser.counter >= 0 && laser.counter <= kLastLaserPoint) {
        const int c = laser.counter;
        laser.x[c] = laser.launchX + 1.0f;
        laser.y[c] = laser.launchY + 1.0f;
        laser.turn[c] = kPi;
        laser.state[c] = 1.0f;
    }
}

// The heading is taken from the point offset by (+11, +3), towards the aim point.
void steerLaserPoint(LaserTrail& laser, int j, PointF aim, float factorX, float factorY) {
    laser.heading[j] =
        static_cast<float>(std::atan2(static_cast<double>(aim.y - (laser.y[j] + 3.0f)),
                                      static_cast<double>(aim.x - (laser.x[j] + 11.0f))));
    const double angle = static_cast<double>(laser.turn[j] + laser.heading[j]);
    laser.stepX[j] = static_cast<float>(std::cos(angle)) * factorX;
    laser.stepY[j] = static_cast<float>(std::sin(angle)) * factorY;
    laser.x[j] = laser.x[j] + laser.stepX[j];
    laser.y[j] = laser.y[j] + laser.stepY[j];
}

void endVolley(LaserTrail& laser) {
    laser.active = 0.0f;
    laser.counter = -1;
}

// A homing point inside its enemy's box stops there; point 18 also destroys the enemy.
void hitLaserTarget(LaserTrail& laser, int j, int e) {
    Enemy& enemy = enemies[e];
    const float x = laser.x[j];
    const float y = laser.y[j];
    const bool inBox = enemy.x + 10.0f - 30.0f < x && x < enemy.x + 50.0f - 30.0f &&
                       enemy.y - 10.0f < y && y < enemy.y + 30.0f;
    if (!inBox) return;
    laser.state[j] = 0.0f;
    if (j == kHitPoint) {
        enemy.flash = 1.0f;
        spawnExplosion(enemy.x, enemy.y);
        endVolley(laser);
    }
}

void moveLaserPoints(RenderTarget* target, LaserTrail& laser, const LaserVariant& v, int i) {
    const float turnStep = findTurnStep(v, i);
    const PointF aim = v.aimsAtEnemy ? PointF{enemies[i].x, enemies[i].y} : PointF{v.aimX, v.aimY};
    for (int j = 0; j < kLaserPoints; ++j) {
        if (laser.state[j] != 1.0f) continue;
        // Read live: a volley that ends at point j makes the later points cruise at once.
        const std::uint32_t counter = static_cast<std::uint32_t>(laser.counter);
        const std::uint32_t point = static_cast<std::uint32_t>(j);
        if (counter >= point && counter < point + kSteeringFrames) {
            laser.turn[j] = laser.turn[j] + turnStep;
            steerLaserPoint(laser, j, aim, v.steerX, v.steerY);
        } else if (counter >= point + kSteeringFrames) {
            steerLaserPoint(laser, j, aim, kCruiseFactor, kCruiseFactor);
        }
        // Point j + 1 is still at its previous-frame position, or waiting at the launch point.
        if (j >= 1 && j <= kLastSegmentStart) {
            drawGlowLine(target, v.colour, makePoint(laser.x[j], laser.y[j]),
                         makePoint(laser.x[j + 1], laser.y[j + 1]));
        }
        if constexpr (kHomingLasers) {
            if (v.hitsEnemy) hitLaserTarget(laser, j, i);
        }
        if (isOutsideLaserBounds(v, laser.x[j], laser.y[j])) {
            laser.state[j] = 2.0f;
            laser.x[j] = kLaserRetireX;
            laser.y[j] = kParkY;
            if (isOutsideLaserBounds(v, laser.x[kLastLaserPoint], laser.y[kLastLaserPoint])) {
                endVolley(laser);
            }
        }
    }
}

void updateLasers(RenderTarget* target, const LaserVariant& v) {
    for (int i = v.first; i < v.end; ++i) {
        LaserTrail& laser = v.table[i];
        if (laser.active == 0.0f && isLaserArmed(v, i)) {
            const PointF source = findLaserSource(v, i);
            laser.launchX = source.x;
            laser.launchY = source.y;
            laser.counter = -1;
            laser.active = 1.0f;
        }
    }
    for (int i = v.first; i < v.end; ++i) {
        LaserTrail& laser = v.table[i];
        if (laser.active == 1.0f) advanceVolley(laser, v, i);
        moveLaserPoints(target, laser, v, i);
    }
}

}  // namespace

void updatePodLasers(RenderTarget* target) {
    if constexpr (kPodLasers) updateLasers(target, podLaserVariant);
}

void updateEnemyLasers(RenderTarget* target) {
    updateLasers(target, enemyLaserVariant);
}

void updateHomingLasers(RenderTarget* target) {
    if constexpr (kHomingLasers) updateLasers(target, homingLaserVariant);
}
