// Shared by the weapon tests: a reset game drawing into a recorder, enemies
// placed by hand, and the recorded glow lines read back as lines.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <vector>

#include "game/game.h"
#include "game/game_state.h"
#include "tests/support/op_recorder.h"
#include "tests/support/sound_log.h"

inline bool operator==(const PointF& a, const PointF& b) {
    return a.x == b.x && a.y == b.y;
}
inline void PrintTo(const PointF& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}

struct GlowLine {
    PointF from;
    PointF to;
    std::uint32_t rgb;  // recovered from the opaque core stroke
};

inline std::uint32_t rgbOf(const ColorF& c) {
    const auto byte = [](float v) { return static_cast<std::uint32_t>(std::lround(v * 255.0f)); };
    return byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

class WeaponTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGame();
        soundLog.clear();
    }

    static void placeEnemy(int i, float x, float y, std::int32_t hp = 1) {
        enemies[i].hp = hp;
        enemies[i].x = x;
        enemies[i].y = y;
    }

    // The glow lines drawn since the last call; each must be the three strokes
    // of one glow line (widths 8, 4, 2 over the same ends, the core opaque).
    std::vector<GlowLine> takeGlowLines() {
        std::vector<GlowLine> lines;
        EXPECT_EQ(target.ops.size() % 3, 0u);
        for (std::size_t k = 0; k + 2 < target.ops.size(); k += 3) {
            const DrawOp& halo = target.ops[k];
            const DrawOp& body = target.ops[k + 1];
            const DrawOp& core = target.ops[k + 2];
            EXPECT_EQ(halo.kind, DrawOp::Line);
            EXPECT_EQ(halo.width, 8.0f);
            EXPECT_EQ(body.width, 4.0f);
            EXPECT_EQ(core.width, 2.0f);
            EXPECT_EQ(core.color.a, 1.0f);
            EXPECT_EQ(halo.from, core.from);
            EXPECT_EQ(body.to, core.to);
            lines.push_back({core.from, core.to, rgbOf(core.color)});
        }
        target.ops.clear();
        return lines;
    }

    TestDrawResources resources;
    OpRecorder target;
};

// A laser point's move from its emission, worked out independently of the game
// code: heading from the point offset by (+11, +3), one turn step, steering factors.
inline PointF firstLaserStep(PointF launch, PointF aim, float turnSign, float sx, float sy) {
    const float x = launch.x + 1.0f;
    const float y = launch.y + 1.0f;
    const float turn = 3.14f + (turnSign * 3.14f) / 21.0f;
    const float heading = static_cast<float>(std::atan2(static_cast<double>(aim.y - (y + 3.0f)),
                                                        static_cast<double>(aim.x - (x + 11.0f))));
    const double a = turn + heading;
    return {x + static_cast<float>(std::cos(a)) * sx, y + static_cast<float>(std::sin(a)) * sy};
}
