// Quick skipping of bullet rows with nothing in flight. Every free slot is
// parked, so a row whose bytes equal an all-parked row needs no work at all.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>

#include "game/game_state.h"

inline constexpr std::size_t kLongestBulletRow = 36;

inline constexpr std::array<EnemyBullet, kLongestBulletRow> kParkedBulletRow = [] {
    std::array<EnemyBullet, kLongestBulletRow> row{};
    row.fill({kParkX, kParkY, 0.0f});
    return row;
}();

template <std::size_t N>
bool isRowParked(const EnemyBullet (&row)[N]) {
    static_assert(N <= kLongestBulletRow);
    return std::memcmp(row, kParkedBulletRow.data(), sizeof row) == 0;
}
