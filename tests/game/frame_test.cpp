#include "tests/game/game_fixture.h"

namespace {

using FrameTest = GameTest;

constexpr RectF kPodSprite = {110, 30, 160, 100};
constexpr RectF kShipSprite = {0, 0, 50, 100};
constexpr RectF kTrioSprite = {0, 100, 300, 400};
constexpr RectF kSightFrame = {1200, 0, 1600, 300};

// Index of the first (or last) recorded op that matches.
template <typename Match>
int findOp(const std::vector<DrawOp>& ops, Match match, bool last = false) {
    int found = -1;
    for (int i = 0; i < static_cast<int>(ops.size()); ++i) {
        if (match(ops[i])) {
            found = i;
            if (!last) break;
        }
    }
    return found;
}

TEST_F(FrameTest, FirstFrameFiresThePodsFromTheirResetPositions) {
    onKeyDown(VK_SPACE);
    paintFrame();
    const PointF pods[4] = {{250, 570}, {350, 570}, {200, 620}, {400, 620}};
    for (int pod = 0; pod < 4; ++pod) {
        const Shot& s = shotStreams[pod + 1][0];
        EXPECT_EQ(s.alive, 1);
        EXPECT_EQ(s.x, pods[pod].x);
        EXPECT_EQ(s.y, pods[pod].y - 6 - 16);
    }
    EXPECT_EQ(shotStreams[0][0].y, 520.0f - 18 - 16);
}

TEST_F(FrameTest, SectionsDrawInPaintersOrder) {
    // A trio enemy in the sight, just above a ship shot that reaches it this frame.
    stageClock = 13100.0f;
    activateEnemy(9, 300.0f, 394.0f);
    shotStreams[0][0] = {1, 300.0f, 416.0f};
    paintFrame();
    const std::vector<DrawOp>& ops = target.ops;

    auto isSprite = [](const RectF& source) {
        return [source](const DrawOp& op) {
            return op.kind == DrawOp::BitmapDraw && sameRect(op.source, source);
        };
    };
    auto isLine = [](const DrawOp& op) { return op.kind == DrawOp::Line; };
    auto isBackground = [](const DrawOp& op) {
        return op.kind == DrawOp::BitmapDraw && op.bitmap == backgroundBitmap;
    };

    ASSERT_EQ(ops.front().kind, DrawOp::Clear);
    EXPECT_EQ(findOp(ops, isBackground), 1);
    const int firstShotLine = findOp(ops, isLine);
    const int firstPod = findOp(ops, isSprite(kPodSprite));
    const int ship = findOp(ops, isSprite(kShipSprite));
    const int enemy = findOp(ops, isSprite(kTrioSprite));
    const int sight = findOp(ops, isSprite(kSightFrame));
    EXPECT_EQ(firstShotLine, 3);  // right after the two layers
    EXPECT_GT(firstPod, firstShotLine);
    EXPECT_EQ(ship, firstPod + 4);
    EXPECT_GT(enemy, ship);
    EXPECT_GT(sight, enemy);

    if constexpr (kShotsHitEnemies) {
        // Hit by the shot, destroyed by the fleet pass of the same frame, exploding on top.
        EXPECT_EQ(enemies[9].hp, 0);
        EXPECT_EQ(countOps(DrawOp::Fill), 3);
        EXPECT_GT(findOp(ops, [](const DrawOp& op) { return op.kind == DrawOp::Fill; }),
                  findOp(ops, isBackground, true));
        EXPECT_EQ(ops.back().kind, DrawOp::Fill);
    } else {
        EXPECT_EQ(enemies[9].hp, 1);
    }
}

TEST_F(FrameTest, FrameStartingAtTheLastClockEndsAtZeroAndObjectsStayInFlight) {
    stageClock = 14299.0f;
    activateEnemy(20, 300.0f, 100.0f);
    paintFrame();
    EXPECT_EQ(stageClock, 0.0f);
    EXPECT_EQ(enemies[20].y, 106.0f);
    paintFrame();  // clock 0: nothing moves
    EXPECT_EQ(stageClock, 1.0f);
    EXPECT_EQ(enemies[20].y, 106.0f);
}

}  // namespace
