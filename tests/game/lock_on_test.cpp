#include "tests/game/game_fixture.h"

namespace {

constexpr RectF kLockedSight = {1200, 300, 1600, 600};
constexpr RectF kMarker = {200, 0, 270, 70};
constexpr RectF kSightFrame = {1200, 0, 1600, 300};

using LockOnTest = GameTest;

struct SightCase {
    float dx, dy;  // enemy minus ship
    bool locked;
};

TEST_F(LockOnTest, SightCoversTheBoxAheadOfTheShipBoundsIncluded) {
    const SightCase cases[] = {
        {200, 50, true},  {201, 0, false},  {0, 51, false}, {-210, -360, true},
        {-211, 0, false}, {0, -361, false}, {0, 0, true},   {0, -200, true},
    };
    for (const SightCase& c : cases) {
        SetUp();
        target.ops.clear();
        playerX = 320.0f;
        playerY = 500.0f;
        activateEnemy(17, 320.0f + c.dx, 500.0f + c.dy);
        updateLockOnSight(&target);
        SCOPED_TRACE(testing::Message() << "dx " << c.dx << " dy " << c.dy);
        EXPECT_EQ(shipDraws(kMarker).size(), c.locked ? 1u : 0u);
        EXPECT_EQ(soundLog.size(), c.locked ? 1u : 0u);
    }
}

TEST_F(LockOnTest, EachLockedEnemyGetsSightMarkerLineAndSoundThenTheFrame) {
    playerX = 300.0f;
    playerY = 600.0f;
    activateEnemy(2, 250.0f, 400.0f);
    activateEnemy(30, 350.0f, 300.0f);
    enemies[30].hp = 0;  // the sight looks at positions only
    updateLockOnSight(&target);

    const RectF sight = {100, 250, 500, 550};
    const int lineOps = kLockOnLine ? 3 : 0;
    ASSERT_EQ(target.ops.size(), static_cast<std::size_t>(2 * (2 + lineOps) + 1));
    const PointF targets[2] = {{250, 400}, {350, 300}};
    for (int k = 0; k < 2; ++k) {
        const DrawOp* op = &target.ops[k * (2 + lineOps)];
        EXPECT_TRUE(sameRect(op[0].source, kLockedSight));
        EXPECT_TRUE(sameRect(op[0].destination, sight));
        EXPECT_TRUE(sameRect(op[1].source, kMarker));
        const PointF t = targets[k];
        EXPECT_TRUE(sameRect(op[1].destination, {t.x - 35, t.y - 35, t.x + 35, t.y + 35}));
        if constexpr (kLockOnLine) {
            const DrawOp& core = op[4];
            EXPECT_EQ(core.kind, DrawOp::Line);
            EXPECT_EQ(core.from.x, 300.0f);
            EXPECT_EQ(core.from.y, 600.0f);
            EXPECT_EQ(core.to.x, t.x);
            EXPECT_EQ(core.to.y, t.y);
            EXPECT_EQ(core.color.g, 1.0f);
            EXPECT_EQ(core.color.r, 0.0f);
        }
    }
    EXPECT_TRUE(sameRect(target.ops.back().source, kSightFrame));
    EXPECT_TRUE(sameRect(target.ops.back().destination, sight));
    EXPECT_EQ(soundLog, (std::vector<std::wstring>{L"loc", L"loc"}));
}

TEST_F(LockOnTest, WithNothingInSightOnlyTheFrameIsDrawn) {
    stageClock = 30.0f;  // no homing lasers yet in the second edition
    updateLockOnSight(&target);
    ASSERT_EQ(target.ops.size(), 1u);
    EXPECT_TRUE(sameRect(target.ops[0].source, kSightFrame));
    EXPECT_TRUE(sameRect(target.ops[0].destination, {100, 170, 500, 470}));
    EXPECT_TRUE(soundLog.empty());
}

TEST_F(LockOnTest, HomingLasersFlyOnlyFromClock60) {
    // An enemy low enough arms its homing laser, but only once the clock has reached 60.
    for (const float clock : {59.0f, 60.0f}) {
        SetUp();
        stageClock = clock;
        activateEnemy(5, 100.0f, 100.0f);
        updateLockOnSight(&target);
        const bool flies = kHomingLasers && clock >= 60.0f;
        EXPECT_EQ(playerLasers[kHomingLasers ? 5 : 0].active, flies ? 1.0f : 0.0f)
            << "clock " << clock;
    }
}

}  // namespace
