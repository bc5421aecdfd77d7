#include "assets/sound_bank.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/draw_resources.h"
#include "gfx/glow.h"

namespace {

constexpr RectF kLockedSightSprite = {1200.0f, 300.0f, 1600.0f, 600.0f};
constexpr RectF kMarkerSprite = {200.0f, 0.0f, 270.0f, 70.0f};
constexpr RectF kSightFrameSprite = {1200.0f, 0.0f, 1600.0f, 300.0f};
constexpr std::uint32_t kLockLineColor = 0x00FF00;
constexpr float kHomingStartClock = 60.0f;

void drawSprite(RenderTarget* target, const RectF& destination, const RectF& source) {
    target->DrawBitmap(shipBitmap, destination, 1.0f, BitmapInterpolation::Linear, source);
}

// The sight sits 50 to 350 pixels above the ship.
RectF sightRect() {
    return makeRect(playerX - 200.0f, (playerY - 150.0f) - 200.0f, playerX + 200.0f,
                    (playerY + 150.0f) - 200.0f);
}

bool inSight(float ex, float ey) {
    return playerX + 200.0f >= ex && ex + 60.0f >= playerX - 150.0f && playerY + 50.0f >= ey &&
           ey + 60.0f >= playerY - 300.0f;
}

void markEnemy(RenderTarget* target, float ex, float ey) {
    drawSprite(target, sightRect(), kLockedSightSprite);
    drawSprite(target, makeRect(ex - 35.0f, ey - 35.0f, ex + 35.0f, ey + 35.0f), kMarkerSprite);
    if constexpr (kLockOnLine) {
        drawGlowLine(target, kLockLineColor, makePoint(playerX, playerY), makePoint(ex, ey));
    }
    soundReplay(L"loc", 0, nullptr);
}

}  // namespace

void updateLockOnSight(RenderTarget* target) {
    // Free slots are parked far above the window, so only the position needs testing.
    for (const Enemy& enemy : enemies) {
        if (inSight(enemy.x, enemy.y)) markEnemy(target, enemy.x, enemy.y);
    }
    if constexpr (kHomingLasers) {
        if (stageClock >= kHomingStartClock) updateHomingLasers(target);
    }
    drawSprite(target, sightRect(), kSightFrameSprite);
}
