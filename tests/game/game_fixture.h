// A freshly reset game drawn into a recording target, for the game's tests.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/input.h"
#include "game/game.h"
#include "game/game_state.h"
#include "gfx/explosions.h"
#include "tests/support/op_recorder.h"
#include "tests/support/sound_log.h"

inline bool sameRect(const RectF& a, const RectF& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Everything the process start would have zeroed, then the reset proper.
        std::memset(keyDown, 0, sizeof keyDown);
        std::memset(keyLatched, 0, sizeof keyLatched);
        scrollFar = 0.0f;
        scrollNear = 0.0f;
        randState = 1;
        for (Enemy& e : enemies) e = Enemy{};
        resetGame();
        soundLog.clear();
    }

    // One paint: the clear, the frame routine and the explosions.
    void paintFrame() {
        target.ops.clear();
        target.Clear({0.0f, 0.0f, 0.0f, 1.0f});
        runFrame(&target);
        drawExplosions(&target, brush);
    }

    void activateEnemy(int slot, float x, float y) {
        enemies[slot] = Enemy{};
        enemies[slot].hp = 1;
        enemies[slot].x = x;
        enemies[slot].y = y;
    }

    // The recorded bitmap draws of the ship sheet that use the given source rectangle.
    std::vector<DrawOp> shipDraws(const RectF& source) const {
        std::vector<DrawOp> found;
        for (const DrawOp& op : target.ops) {
            if (op.kind == DrawOp::BitmapDraw && op.bitmap == shipBitmap &&
                sameRect(op.source, source)) {
                found.push_back(op);
            }
        }
        return found;
    }

    int countOps(DrawOp::Kind kind) const {
        int n = 0;
        for (const DrawOp& op : target.ops) n += op.kind == kind ? 1 : 0;
        return n;
    }

    TestDrawResources resources;
    OpRecorder target;
};
