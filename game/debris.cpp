#include "game/debris.h"

#include <array>
#include <cstring>

#include "assets/sound_bank.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/glow.h"

namespace {

// Fragments 0..160 are a short-lived spray in two sprites; 161..220 fall until they leave.
constexpr int kLastFirstSpray = 80;
constexpr int kLastSpray = 160;
constexpr float kBurstSize = 220.0f;  // fragment 220 is never emitted
constexpr float kSprayLife = 100.0f;

constexpr RectF kFirstSpraySprite = {94.0f, 84.0f, 110.0f, 100.0f};
constexpr RectF kSecondSpraySprite = {62.0f, 84.0f, 78.0f, 100.0f};
constexpr RectF kFallingSprite = {110.0f, 0.0f, 140.0f, 30.0f};

constexpr Fragment kParkedFragment = {kParkX, kParkY, 0.0f, 0.0f, 0.0f, 0.0f};

void parkFragment(Fragment& f) {
    f = kParkedFragment;
}

// Bit for bit the parked state, which the area test would only set again.
bool isParked(const Fragment& f) {
    return std::memcmp(&f, &kParkedFragment, sizeof f) == 0;
}

// Most rows lie idle all the time: one comparison with this row skips them.
constexpr auto kParkedRow = [] {
    std::array<Fragment, kFragmentsPerEnemy> row{};
    row.fill(kParkedFragment);
    return row;
}();

// Random draws happen in the order written: vx's two terms before vy's.
void emitFragment(Fragment& fragment, int j, float x, float y) {
    if (j <= kLastSpray) {
        const int a = gameRand() % 22;
        const int b = gameRand() % 22;
        const int c = gameRand() % 22;
        const int d = gameRand() % 22;
        fragment.x = x + 22.0f;
        fragment.y = (y + 22.0f) - 25.0f;
        fragment.vx = static_cast<float>(a - b + 4);
        fragment.vy = static_cast<float>(c - d - 14);
    } else {
        const int e = gameRand() % 4;
        const int f = gameRand() % 4;
        const int g = gameRand() % 12;
        fragment.x = x + 15.0f;
        fragment.y = (y + 15.0f) - 25.0f;
        fragment.vx = static_cast<float>(e - f);
        fragment.vy = static_cast<float>(g + 4);
    }
    fragment.age = 0.0f;
    fragment.active = 1.0f;
}

void freeDestroyedEnemy(Enemy& enemy) {
    enemy.x = kEnemyParkX;
    enemy.y = kParkY;
    enemy.hp = 0;
    enemy.burstCount = 0.0f;
    enemy.flash = 0.0f;
    enemy.weaveTick = 0.0f;
    enemy.weaveAngle = 0.0f;
}

// One step of the burst per fragment: the whole destruction happens within one frame.
void stepBurst(Enemy& enemy, Fragment& f, int j) {
    enemy.burstCount += 1.0f;
    if constexpr (kBurstPlaysHit) {
        if (enemy.burstCount == 2.0f) soundReplay(L"hit", 0, nullptr);
    }
    if (enemy.burstCount >= 1.0f && enemy.burstCount <= kBurstSize) {
        emitFragment(f, j, enemy.x, enemy.y);
    }
    if (enemy.burstCount >= kBurstSize + 1.0f) freeDestroyedEnemy(enemy);
}

void drawFragment(RenderTarget* target, const Fragment& f, int j) {
    const RectF& sprite = j <= kLastFirstSpray ? kFirstSpraySprite
                          : j <= kLastSpray    ? kSecondSpraySprite
                                               : kFallingSprite;
    const float half = j <= kLastSpray ? 8.0f : 15.0f;
    target->DrawBitmap(shipBitmap, makeRect(f.x - half, f.y - half, f.x + half, f.y + half), 1.0f,
                       BitmapInterpolation::Linear, sprite);
}

void flyFragment(RenderTarget* target, Fragment& f, int j) {
    if (f.active != 1.0f) return;
    f.x += f.vx;
    f.y += f.vy;
    if (j <= kLastSpray) {
        if (f.age >= 0.0f && f.age <= kSprayLife) f.age += 1.0f;
        // A spray fragment that has just aged out is still drawn this frame.
        if (f.age >= kSprayLife) f.active = 0.0f;
    }
    drawFragment(target, f, j);
}

bool outsideArea(const Fragment& f) {
    return f.x <= -100.0f || f.x >= 700.0f || f.y <= -100.0f || f.y >= 868.0f;
}

// Debris that reaches the ship just vanishes; the ship is never harmed.
bool touchesShip(const Fragment& f, PointF ship) {
    return ship.x + 50.0f >= f.x && f.x + 16.0f >= ship.x && ship.y + 100.0f >= f.y &&
           f.y + 16.0f >= ship.y;
}

}  // namespace

void updateDebrisRow(RenderTarget* target, int slot) {
    Enemy& enemy = enemies[slot];
    Fragment* row = debris[slot];
    if (!(enemy.flash > 0.0f) && std::memcmp(row, kParkedRow.data(), sizeof kParkedRow) == 0) {
        return;
    }
    const PointF ship = {playerX, playerY};
    for (int j = 0; j < kFragmentsPerEnemy; ++j) {
        Fragment& f = row[j];
        if (enemy.flash > 0.0f) stepBurst(enemy, f, j);
        if (isParked(f)) continue;
        flyFragment(target, f, j);
        if (outsideArea(f) || touchesShip(f, ship)) parkFragment(f);
    }
}
