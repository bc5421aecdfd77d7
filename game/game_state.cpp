#include "game/game_state.h"

#include "gfx/explosions.h"

float stageClock;
float scrollFar;
float scrollNear;
float playerX;
float playerY;
PointF optionPos[kPodCount];

Enemy enemies[kEnemyCount];
Shot shotStreams[kShotStreamCount][kShotsPerStream];
EnemyBullet ringBursts[kRingFamilyCount][kEnemyCount][kRingSlots];
EnemyBullet fanShots[kFanStreamCount][kEnemyCount][kFanSlots];
std::uint32_t fanCursor[kEnemyCount];
EnemyBullet missiles[kEnemyCount];
EnemyBullet spreadVolleys[kSpreadGroupCount][kEnemyCount][kSpreadNeedles];
LaserTrail playerLasers[kPlayerLaserCount];
LaserTrail enemyLasers[kEnemyLaserCount];
Fragment debris[kEnemyCount][kFragmentsPerEnemy];

std::uint32_t randState = 1;

int gameRand() {
    randState = randState * 214013u + 2531011u;
    return static_cast<int>((randState >> 16) & 0x7FFF);
}

namespace {

void parkBullet(EnemyBullet& b) {
    b.x = kParkX;
    b.y = kParkY;
    b.active = 0.0f;
}

void resetLaser(LaserTrail& laser) {
    for (int j = 0; j < kLaserPoints; ++j) {
        laser.x[j] = kParkX;
        laser.y[j] = kParkY;
        laser.state[j] = 0.0f;
        laser.turn[j] = 0.0f;
        laser.heading[j] = 0.0f;
        laser.stepX[j] = 0.0f;
        laser.stepY[j] = 0.0f;
    }
    laser.active = 0.0f;
    laser.counter = 0;
    laser.launchX = kParkX;
    laser.launchY = kParkY;
}

}  // namespace

void resetGame() {
    playerX = 300.0f;
    playerY = 720.0f - 2.0f * 100.0f;

    for (int k = 0; k < kShotStreamCount; ++k) {
        for (Shot& s : shotStreams[k]) s = Shot{};
    }
    optionPos[0] = {playerX - 50.0f, playerY + 50.0f};
    optionPos[1] = {playerX + 50.0f, playerY + 50.0f};
    optionPos[2] = {playerX - 100.0f, playerY + 100.0f};
    optionPos[3] = {playerX + 100.0f, playerY + 100.0f};

    clearExplosions();

    // weaveTick and weaveAngle are left alone: every spawn clears them.
    for (int i = 0; i < kEnemyCount; ++i) {
        Enemy& e = enemies[i];
        e.x = kEnemyParkX;
        e.y = kParkY;
        e.hp = 0;
        e.flash = 0.0f;
        e.burstCount = 0.0f;
        parkBullet(missiles[i]);
    }

    for (auto& group : spreadVolleys) {
        for (auto& row : group) {
            for (EnemyBullet& b : row) parkBullet(b);
        }
    }
    for (auto& family : ringBursts) {
        for (auto& row : family) {
            for (EnemyBullet& b : row) parkBullet(b);
        }
    }
    for (auto& stream : fanShots) {
        for (auto& row : stream) {
            for (EnemyBullet& b : row) parkBullet(b);
        }
    }
    for (std::uint32_t& cursor : fanCursor) cursor = 0;

    for (LaserTrail& laser : enemyLasers) resetLaser(laser);
    for (LaserTrail& laser : playerLasers) resetLaser(laser);

    for (auto& row : debris) {
        for (Fragment& f : row) f = {kParkX, kParkY, 0.0f, 0.0f, 0.0f, 0.0f};
    }

    stageClock = 0.0f;
}
