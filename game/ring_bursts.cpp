#include <array>
#include <cmath>

#include "game/enemy_bullets.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/glow.h"

namespace {

inline constexpr int kRingSpeedCount = 3;
inline constexpr int kFirstUpperRingEnemy = 9;  // enemies 0..8 fire only the rings below them

// Families come in groups of three sharing a launch point: below, upper left, upper right.
enum RingLaunch { kBelow, kUpperLeft, kUpperRight };

struct RingFamily {
    RingLaunch launch;
    int speed;  // index into the step table: 6, 8, 10 pixels per frame
    std::uint32_t colour;
};

const RingFamily kRingFamilies[kRingFamilyCount] = {
    {kBelow, 0, 0xF000FF},      {kBelow, 1, 0xF00FFF},      {kBelow, 2, 0xF000FF},
    {kUpperLeft, 0, 0xFFFF00},  {kUpperLeft, 1, 0xFFFF00},  {kUpperLeft, 2, 0xFFFF00},
    {kUpperRight, 0, 0xFFFF00}, {kUpperRight, 1, 0xFFFF00}, {kUpperRight, 2, 0xFFFF00},
};

using RingSteps = std::array<std::array<PointF, kRingSlots>, kRingSpeedCount>;

// Slot j flies at (36 - j) x 10 radians. The steps never change, so they are
// worked out once, with the same double products rounded to float as a
// per-frame computation would give.
RingSteps makeRingSteps() {
    const double speeds[kRingSpeedCount] = {6.0, 8.0, 10.0};
    RingSteps steps{};
    for (int s = 0; s < kRingSpeedCount; ++s) {
        for (int j = 0; j < kRingSlots; ++j) {
            const double a = static_cast<double>((36 - j) * 10);
            steps[s][j] = {static_cast<float>(std::cos(a) * speeds[s]),
                           static_cast<float>(std::sin(a) * speeds[s])};
        }
    }
    return steps;
}

const RingSteps ringSteps = makeRingSteps();

// A free slot is always parked, so only a launch can change it: the retire
// test would just park it again.
void updateRingDot(RenderTarget* target, EnemyBullet& dot, const RingFamily& family, int slot,
                   bool launching, const PointF* launchPoints) {
    if (dot.active == 0.0f) {
        if (!launching) return;
        dot.x = launchPoints[family.launch].x;
        dot.y = launchPoints[family.launch].y;
        dot.active = 1.0f;
    }
    drawGlowLine(target, family.colour, makePoint(dot.x, dot.y),
                 makePoint(dot.x + 1.0f, dot.y + 1.0f));
    const PointF step = ringSteps[family.speed][slot];
    dot.x = dot.x + step.x;
    dot.y = dot.y + step.y;
    if (isOutsideField(dot)) parkEnemyBullet(dot);
}

// Most enemies have no dot in flight most of the time.
bool hasRingDots(int i, int familyCount) {
    for (int f = 0; f < familyCount; ++f) {
        if (!isRowParked(ringBursts[f][i])) return true;
    }
    return false;
}

}  // namespace

void updateRingBursts(RenderTarget* target) {
    for (int i = 0; i < kEnemyCount; ++i) {
        const Enemy& enemy = enemies[i];
        const bool launching = enemy.hp > 0 && enemy.y >= 150.0f && enemy.y <= 200.0f;
        const int familyCount = i >= kFirstUpperRingEnemy ? kRingFamilyCount : 3;
        if (!launching && !hasRingDots(i, familyCount)) continue;
        const PointF launchPoints[] = {{enemy.x, enemy.y + 60.0f},
                                       {enemy.x - 60.0f, enemy.y - 60.0f},
                                       {enemy.x + 60.0f, enemy.y - 60.0f}};
        for (int j = 0; j < kRingSlots; ++j) {
            for (int f = 0; f < familyCount; ++f) {
                updateRingDot(target, ringBursts[f][i][j], kRingFamilies[f], j, launching,
                              launchPoints);
            }
        }
    }
}
