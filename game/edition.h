// The build-time edition switch and every rule in which the second edition
// differs from the first. Code that depends on the edition tests one of these
// constants with `if constexpr`; nothing else in the tree knows the edition.
#pragma once

#ifndef SKYRAIL_EDITION
#error "SKYRAIL_EDITION must be defined to 1 or 2 by the build"
#endif

inline constexpr int kEdition = SKYRAIL_EDITION;
static_assert(kEdition == 1 || kEdition == 2, "SKYRAIL_EDITION must be 1 or 2");
inline constexpr bool kSecondEdition = kEdition == 2;

inline constexpr const wchar_t* kWindowTitle =
    kSecondEdition ? L"SOLVANE SF SHOOTING GAME DIRECT 2D VERSION"
                   : L"SOLVANE SF SHOOTING GAME DIRECT 2D";

// Where a reset or destroyed enemy is parked (the bottom removal always uses -2550).
inline constexpr float kEnemyParkX = kSecondEdition ? 270.0f : -2550.0f;

// First edition: player shots hit enemies; the four pods fire lasers.
inline constexpr bool kShotsHitEnemies = !kSecondEdition;
inline constexpr bool kPodLasers = !kSecondEdition;
// First edition: the lock-on sight draws a line from the ship to each locked enemy.
inline constexpr bool kLockOnLine = !kSecondEdition;

// Second edition: 48 homing lasers (one per enemy slot) in the player laser
// table, and the destruction burst plays "hit" one frame after the laser hit.
inline constexpr bool kHomingLasers = kSecondEdition;
inline constexpr bool kBurstPlaysHit = kSecondEdition;
inline constexpr int kPlayerLaserCount = kSecondEdition ? 48 : 4;
