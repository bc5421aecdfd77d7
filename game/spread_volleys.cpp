#include "game/enemy_bullets.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/glow.h"

namespace {

inline constexpr int kGroupsPerVolley = 6;

struct SpreadGroup {
    int dxPerSpeed;  // the move per frame is (dxPerSpeed x s, dyPerSpeed x s), s = 6 - needle
    int dyPerSpeed;
    PointF dashFrom;  // offsets from the needle's point
    PointF dashTo;
    std::uint32_t colour;
};

// Groups 1..6 fall, groups 7..12 rise; each pair leans left and right.
const SpreadGroup kSpreadGroups[kSpreadGroupCount] = {
    {-1, 10, {-10.0f, 30.0f}, {-14.0f, 80.0f}, 0xF000FF},
    {1, 10, {10.0f, 30.0f}, {14.0f, 80.0f}, 0xF000FF},
    {-3, 10, {-10.0f, 30.0f}, {-20.0f, 80.0f}, 0xF000FF},
    {3, 10, {10.0f, 30.0f}, {20.0f, 80.0f}, 0xF000FF},
    {-6, 10, {-10.0f, 30.0f}, {-34.0f, 80.0f}, 0xF000FF},
    {6, 10, {10.0f, 30.0f}, {34.0f, 80.0f}, 0xF000FF},
    {1, -10, {10.0f, 30.0f}, {14.0f, -20.0f}, 0xFFFF00},
    {-1, -10, {-10.0f, 30.0f}, {-14.0f, -20.0f}, 0xFFFF00},
    {3, -10, {10.0f, 30.0f}, {20.0f, -20.0f}, 0xFFFF00},
    {-3, -10, {-10.0f, 30.0f}, {-20.0f, -20.0f}, 0xFFFF00},
    {6, -10, {10.0f, 30.0f}, {34.0f, -20.0f}, 0xFFFF00},
    {-6, -10, {-10.0f, 30.0f}, {-34.0f, -20.0f}, 0xFFFF00},
};

struct SpreadVolley {
    int firstGroup;
    float bandTop;
    float bandBottom;
};

const SpreadVolley kDownwardVolley = {0, 150.0f, 200.0f};
const SpreadVolley kUpwardVolley = {kGroupsPerVolley, 350.0f, 400.0f};

// Falling needles leave at the bottom, rising ones at the top; x has no bound.
bool hasLeftField(const EnemyBullet& needle, const SpreadGroup& group) {
    return group.dyPerSpeed > 0 ? needle.y >= 1168.0f : needle.y <= -400.0f;
}

// A free slot is always parked, so the retire test would only park it again.
void updateNeedle(RenderTarget* target, EnemyBullet& needle, const SpreadGroup& group, int speed,
                  bool launching, const Enemy& enemy) {
    if (needle.active == 0.0f) {
        if (!launching) return;
        needle = {enemy.x, enemy.y, 1.0f};
    }
    drawGlowLine(target, group.colour,
                 makePoint(needle.x + group.dashFrom.x, needle.y + group.dashFrom.y),
                 makePoint(needle.x + group.dashTo.x, needle.y + group.dashTo.y));
    // Whole-number steps, converted to float before the add.
    needle.x = needle.x + static_cast<float>(group.dxPerSpeed * speed);
    needle.y = needle.y + static_cast<float>(group.dyPerSpeed * speed);
    if (hasLeftField(needle, group)) parkEnemyBullet(needle);
}

bool hasNeedles(const SpreadVolley& volley, int i) {
    for (int g = volley.firstGroup; g < volley.firstGroup + kGroupsPerVolley; ++g) {
        if (!isRowParked(spreadVolleys[g][i])) return true;
    }
    return false;
}

void updateVolley(RenderTarget* target, const SpreadVolley& volley) {
    for (int i = 0; i < kEnemyCount; ++i) {
        const Enemy& enemy = enemies[i];
        const bool launching =
            enemy.hp > 0 && enemy.y >= volley.bandTop && enemy.y <= volley.bandBottom;
        if (!launching && !hasNeedles(volley, i)) continue;
        for (int j = 0; j < kSpreadNeedles; ++j) {
            for (int g = volley.firstGroup; g < volley.firstGroup + kGroupsPerVolley; ++g) {
                updateNeedle(target, spreadVolleys[g][i][j], kSpreadGroups[g], 6 - j, launching,
                             enemy);
            }
        }
    }
}

}  // namespace

void updateSpreadVolleys(RenderTarget* target) {
    updateVolley(target, kDownwardVolley);
    updateVolley(target, kUpwardVolley);
}
