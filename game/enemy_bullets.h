// What the four enemy bullet weapons share: parking a slot, the field that
// rings and fan shots fly in, and quick skipping of rows with nothing in flight.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>

#include "game/game_state.h"

inline void parkEnemyBullet(EnemyBullet& bullet) {
    bullet = {kParkX, kParkY, 0.0f};
}

inline bool isOutsideField(const EnemyBullet& bullet) {
    return bullet.x <= -400.0f || bullet.x >= 1000.0f || bullet.y <= -400.0f || bullet.y >= 1168.0f;
}

inline constexpr std::size_t kLongestBulletRow = 36;

inline constexpr std::array<EnemyBullet, kLongestBulletRow> kParkedBulletRow = [] {
    std::array<EnemyBullet, kLongestBulletRow> row{};
    row.fill({kParkX, kParkY, 0.0f});
    return row;
}();

// Every free slot is parked, so a row whose bytes equal an all-parked row
// needs no work at all.
template <std::size_t N>
bool isRowParked(const EnemyBullet (&row)[N]) {
    static_assert(N <= kLongestBulletRow);
    return std::memcmp(row, kParkedBulletRow.data(), sizeof row) == 0;
}
