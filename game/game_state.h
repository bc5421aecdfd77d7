// The whole game state: process-wide scalars and fixed-capacity tables that
// live for the whole run. Nothing is allocated while the game runs.
#pragma once

#include <cstdint>

#include "game/edition.h"
#include "platform/render.h"

// The program's value of pi (bit pattern 0x4048F5C3), used by the fleet's and
// the lasers' angle arithmetic in place of the exact value.
inline constexpr float kPi = 3.14f;

// Free slots keep their place in their tables, far outside the window.
inline constexpr float kParkX = -2550.0f;
inline constexpr float kParkY = -3550.0f;
inline constexpr float kLaserRetireX = -1550.0f;

inline constexpr float kStageLength = 14300.0f;

inline constexpr int kEnemyCount = 48;
inline constexpr int kShotStreamCount = 5;
inline constexpr int kShotsPerStream = 100;
inline constexpr int kPodCount = 4;
inline constexpr int kRingFamilyCount = 9;
inline constexpr int kRingSlots = 36;
inline constexpr int kFanStreamCount = 2;
inline constexpr int kFanSlots = 36;
inline constexpr int kSpreadGroupCount = 12;
inline constexpr int kSpreadNeedles = 5;
inline constexpr int kLaserPoints = 21;
inline constexpr int kEnemyLaserCount = 48;
inline constexpr int kFragmentsPerEnemy = 221;

struct Enemy {
    std::int32_t hp;  // 0 = free, 1 = active
    float x;
    float y;
    float flash;       // > 0: destroyed by the next fleet pass
    float burstCount;  // fragments handled by the destruction burst so far
    float weaveTick;
    float weaveAngle;
};

struct Shot {
    std::int32_t alive;  // >= 1 while active
    float x;
    float y;
};

// One slot of an enemy weapon (rings, fan shots, missiles, spread volleys).
struct EnemyBullet {
    float x;
    float y;
    float active;  // exactly 0 or 1
};

struct LaserTrail {
    float active;          // 0 idle, 1 firing a volley
    std::int32_t counter;  // the volley's clock; compared unsigned, so -1 is past every point
    float launchX;
    float launchY;
    float x[kLaserPoints];
    float y[kLaserPoints];
    float state[kLaserPoints];  // 0 never emitted, 1 live, 2 retired
    float turn[kLaserPoints];
    float heading[kLaserPoints];
    float stepX[kLaserPoints];
    float stepY[kLaserPoints];
};

struct Fragment {
    float x;
    float y;
    float vx;
    float vy;
    float active;  // exactly 0 or 1
    float age;
};

extern float stageClock;
extern float scrollFar;
extern float scrollNear;
extern float playerX;
extern float playerY;
extern PointF optionPos[kPodCount];

extern Enemy enemies[kEnemyCount];
extern Shot shotStreams[kShotStreamCount][kShotsPerStream];
// Family f (1..9) is ringBursts[f - 1]; group g (1..12) is spreadVolleys[g - 1].
extern EnemyBullet ringBursts[kRingFamilyCount][kEnemyCount][kRingSlots];
extern EnemyBullet fanShots[kFanStreamCount][kEnemyCount][kFanSlots];  // 0 left, 1 right
extern std::uint32_t fanCursor[kEnemyCount];
extern EnemyBullet missiles[kEnemyCount];
extern EnemyBullet spreadVolleys[kSpreadGroupCount][kEnemyCount][kSpreadNeedles];
// First edition: the four pod lasers; second edition: one homing laser per enemy slot.
extern LaserTrail playerLasers[kPlayerLaserCount];
extern LaserTrail enemyLasers[kEnemyLaserCount];
extern Fragment debris[kEnemyCount][kFragmentsPerEnemy];

// The C library's generator, never seeded: the debris draws from it.
extern std::uint32_t randState;
int gameRand();

void resetGame();
void runFrame(RenderTarget* target);
