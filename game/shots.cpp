#include "app/input.h"
#include "assets/sound_bank.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/explosions.h"
#include "gfx/glow.h"

namespace {

constexpr std::uint32_t kBeamColor = 0x0FFF00;
constexpr float kShotSpeed = 16.0f;
constexpr float kHitRadiusSquared = 900.0f;
constexpr float kRetireY = -32.0f;

// Lowest slot of the stream whose shot is not alive; -1 if every slot is in flight.
int findFreeShot(const Shot* stream) {
    for (int i = 0; i < kShotsPerStream; ++i) {
        if (stream[i].alive < 1) return i;
    }
    return -1;
}

void launchShot(int stream, float x, float y) {
    const int i = findFreeShot(shotStreams[stream]);
    if (i < 0) return;
    shotStreams[stream][i] = {1, x, y};
}

void drawBeam(RenderTarget* target, float x, float y) {
    drawGlowLine(target, kBeamColor, makePoint(x, y - 40.0f), makePoint(x, y - 80.0f));
}

// A shot goes on testing after a hit, so it can hit several overlapping enemies.
void hitEnemies(Shot& shot) {
    for (Enemy& enemy : enemies) {
        if (enemy.hp <= 0) continue;
        const float dx = shot.x - enemy.x;
        const float dy = shot.y - enemy.y;
        if (dx * dx + dy * dy < kHitRadiusSquared) {
            shot.alive -= 1;
            soundReplay(L"hit", 0, nullptr);
            enemy.flash = 1.0f;
            spawnExplosion(enemy.x, enemy.y);
        }
    }
}

}  // namespace

void fireVolley() {
    if (!keyPressedOnce(VK_SPACE)) return;
    launchShot(0, playerX, playerY - 18.0f);
    // The pods have not followed the ship yet: they fire from last frame's positions.
    for (int pod = 0; pod < kPodCount; ++pod) {
        launchShot(pod + 1, optionPos[pod].x, optionPos[pod].y - 6.0f);
    }
}

void updateShots(RenderTarget* target, int stream) {
    for (Shot& shot : shotStreams[stream]) {
        if (shot.alive < 1) continue;
        if (stream == 0) {
            drawBeam(target, shot.x - 10.0f, shot.y);
            drawBeam(target, shot.x + 10.0f, shot.y);
        } else {
            drawBeam(target, shot.x, shot.y);
        }
        shot.y -= kShotSpeed;
        if constexpr (kShotsHitEnemies) hitEnemies(shot);
        if (shot.y < kRetireY) shot.alive = 0;
    }
}
