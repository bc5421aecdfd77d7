#include <array>
#include <cmath>
#include <cstdint>

#include "game/enemy_bullets.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/glow.h"

namespace {

inline constexpr int kFanLeft = 0;
inline constexpr int kFanRight = 1;
inline constexpr std::uint32_t kLastFanSlot = kFanSlots - 1;
inline constexpr int kFirstCyanFanEnemy = 9;

using FanSteps = std::array<PointF, kFanSlots>;

// Slot j flies at 0.2 x u radians with u = 18 - j in unsigned arithmetic, so
// slots 19..35 wrap to huge angles: slot 19 points about 30 degrees below the
// horizontal, not 11 above it. The steps never change and are worked out once.
FanSteps makeFanSteps() {
    FanSteps steps{};
    for (int j = 0; j < kFanSlots; ++j) {
        const std::uint32_t u = 18u - static_cast<std::uint32_t>(j);
        const double a = 0.2 * static_cast<double>(u);
        steps[j] = {static_cast<float>(std::cos(a) * 16.0), static_cast<float>(std::sin(a) * 16.0)};
    }
    return steps;
}

const FanSteps fanSteps = makeFanSteps();

bool isInFanZone(const Enemy& enemy) {
    return enemy.hp > 0 && enemy.y >= 150.0f && enemy.y <= 800.0f;
}

void launchFanPair(int i) {
    const Enemy& enemy = enemies[i];
    const std::uint32_t c = fanCursor[i] + 1;
    fanCursor[i] = c;
    // Slot 0 is never launched; a slot still in flight goes back to its muzzle.
    if (c <= kLastFanSlot) {
        fanShots[kFanLeft][i][c] = {enemy.x - 20.0f, enemy.y, 1.0f};
        fanShots[kFanRight][i][c] = {enemy.x + 20.0f, enemy.y, 1.0f};
    }
    if (c >= kLastFanSlot) fanCursor[i] = 0;
}

// The right stream mirrors the left by subtracting the x step. A free slot is
// always parked, so the retire test would only park it again.
void flyFanDot(RenderTarget* target, EnemyBullet& dot, std::uint32_t colour, PointF step,
               bool mirrored) {
    if (dot.active == 0.0f) return;
    drawGlowLine(target, colour, makePoint(dot.x, dot.y), makePoint(dot.x + 1.0f, dot.y + 1.0f));
    dot.x = mirrored ? dot.x - step.x : dot.x + step.x;
    dot.y = dot.y + step.y;
    if (isOutsideField(dot)) parkEnemyBullet(dot);
}

}  // namespace

void updateFanShots(RenderTarget* target) {
    for (int i = 0; i < kEnemyCount; ++i) {
        if (isInFanZone(enemies[i])) launchFanPair(i);
    }
    for (int i = 0; i < kEnemyCount; ++i) {
        if (isRowParked(fanShots[kFanLeft][i]) && isRowParked(fanShots[kFanRight][i])) {
            continue;
        }
        const std::uint32_t colour = i >= kFirstCyanFanEnemy ? 0x00FFFFu : 0xFFF000u;
        for (int j = 0; j < kFanSlots; ++j) {
            flyFanDot(target, fanShots[kFanLeft][i][j], colour, fanSteps[j], false);
            flyFanDot(target, fanShots[kFanRight][i][j], colour, fanSteps[j], true);
        }
    }
}
