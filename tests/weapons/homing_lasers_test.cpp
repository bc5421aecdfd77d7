// The second edition's homing lasers: one per enemy slot, fired from the ship
// at its own enemy; point 18 arriving in the enemy's box destroys it.
#include <cstring>

#include "gfx/explosions.h"
#include "tests/weapons/weapon_fixture.h"

namespace {

using HomingLaserTest = WeaponTest;

int countExplosions() {
    int n = 0;
    for (const Explosion& e : explosions) n += e.framesLeft != 0;
    return n;
}

TEST_F(HomingLaserTest, ArmsFromEnemyY160AboveTheWindowAndLeavesTheShip) {
    const struct {
        std::int32_t hp;
        float y;
        bool arms;
    } cases[] = {{1, -160.0f, true}, {1, -160.1f, false}, {0, 100.0f, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "hp " << c.hp << " y " << c.y);
        resetGame();
        placeEnemy(4, 200.0f, c.y, c.hp);
        updateHomingLasers(&target);
        EXPECT_EQ(playerLasers[4].active, c.arms ? 1.0f : 0.0f);
        if (c.arms) {
            EXPECT_EQ(playerLasers[4].launchY, playerY + 30.0f);
        }
        EXPECT_EQ(playerLasers[5].active, 0.0f);  // its enemy slot is parked
    }
}

// Even lasers turn clockwise, odd ones anticlockwise, both towards their enemy.
TEST_F(HomingLaserTest, FirstStepSteersTowardsTheLasersOwnEnemy) {
    placeEnemy(4, 150.0f, 100.0f);
    placeEnemy(7, 450.0f, 50.0f);
    updateHomingLasers(&target);
    EXPECT_TRUE(target.ops.empty());
    const PointF launch{playerX, playerY + 30.0f};
    EXPECT_EQ((PointF{playerLasers[4].x[0], playerLasers[4].y[0]}),
              firstLaserStep(launch, {150, 100}, 1, 18, 25));
    EXPECT_EQ((PointF{playerLasers[7].x[0], playerLasers[7].y[0]}),
              firstLaserStep(launch, {450, 50}, -1, 18, 25));
}

TEST_F(HomingLaserTest, DrawsGreenSegments) {
    placeEnemy(4, 300.0f, 100.0f);
    for (int frame = 0; frame < 3; ++frame) updateHomingLasers(&target);
    const std::vector<GlowLine> lines = takeGlowLines();
    ASSERT_EQ(lines.size(), 3u);  // segments of frames 1 and 2
    EXPECT_EQ(lines[2].rgb, 0x00AA00u);
    EXPECT_EQ(lines[2].to, (PointF{playerX + 1, playerY + 31}));
}

// Laser 6 part-way through a volley, with point j waiting (its emission still
// ahead) at the given place: it does not move, so the box test sees it there.
LaserTrail& waitPointAt(int j, float x, float y) {
    LaserTrail& laser = playerLasers[6];
    laser.active = 1.0f;
    laser.counter = 4;
    laser.launchX = 300.0f;
    laser.launchY = 550.0f;
    laser.x[j] = x;
    laser.y[j] = y;
    laser.state[j] = 1.0f;
    return laser;
}

TEST_F(HomingLaserTest, BoxEdgesAreOutside) {
    const struct {
        float dx;
        float dy;
        bool inside;
    } cases[] = {{-20, 0, false}, {-19.5f, 0, true}, {20, 0, false}, {19.5f, 0, true},
                 {0, -10, false}, {0, -9.5f, true},  {0, 30, false}, {0, 29.5f, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.dx << ", " << c.dy);
        resetGame();
        placeEnemy(6, 200.0f, 300.0f);
        LaserTrail& laser = waitPointAt(10, 200.0f + c.dx, 300.0f + c.dy);
        updateHomingLasers(&target);
        EXPECT_EQ(laser.state[10], c.inside ? 0.0f : 1.0f);
        EXPECT_EQ(laser.x[10], 200.0f + c.dx);
        EXPECT_EQ(enemies[6].flash, 0.0f);
    }
}

TEST_F(HomingLaserTest, OnlyPointEighteenDestroysTheEnemy) {
    for (const int j : {17, 18, 19, 20}) {
        SCOPED_TRACE(testing::Message() << "point " << j);
        resetGame();
        clearExplosions();
        placeEnemy(6, 200.0f, 300.0f);
        LaserTrail& laser = waitPointAt(j, 200.0f, 305.0f);
        updateHomingLasers(&target);
        const bool hit = j == 18;
        EXPECT_EQ(laser.state[j], 0.0f);
        EXPECT_EQ(enemies[6].flash, hit ? 1.0f : 0.0f);
        EXPECT_EQ(countExplosions(), hit ? 1 : 0);
        EXPECT_EQ(laser.active, hit ? 0.0f : 1.0f);
        EXPECT_EQ(laser.counter, hit ? -1 : 5);
        EXPECT_TRUE(soundLog.empty());
        if (hit) {
            EXPECT_EQ(explosions[0].x, 200.0f);
            EXPECT_EQ(explosions[0].y, 300.0f);
        }
    }
}

// Point 20 stopped in a box inside the bounds never retires, so a retiring
// point no longer ends the volley: the slot fires nothing new.
TEST_F(HomingLaserTest, PointTwentyStoppedInABoxLeavesTheVolleyStuck) {
    for (const bool stuck : {true, false}) {
        SCOPED_TRACE(stuck ? "point 20 stopped in a box" : "point 20 retired");
        resetGame();
        placeEnemy(6, 200.0f, 300.0f);
        LaserTrail& laser = playerLasers[6];
        laser.active = 1.0f;
        laser.counter = 40;
        laser.launchX = 123.0f;
        for (int j = 0; j < kLaserPoints; ++j) {
            laser.state[j] = 2.0f;
            laser.x[j] = kLaserRetireX;
            laser.y[j] = kParkY;
        }
        if (stuck) {
            laser.state[20] = 0.0f;
            laser.x[20] = 205.0f;
            laser.y[20] = 310.0f;
        }
        laser.state[19] = 1.0f;  // about to leave at the right
        laser.x[19] = 1500.0f;
        laser.y[19] = 300.0f;

        updateHomingLasers(&target);
        EXPECT_EQ(laser.active, stuck ? 1.0f : 0.0f);
        for (int frame = 1; frame < 50; ++frame) updateHomingLasers(&target);
        if (stuck) {
            EXPECT_EQ(laser.active, 1.0f);
            EXPECT_EQ(laser.counter, 90);
            EXPECT_EQ(laser.launchX, 123.0f);
        } else {
            EXPECT_EQ(laser.launchX, playerX);  // the next volley left the ship
        }
    }
}

// The stage clock gates the homing lasers from the lock-on section: for the
// first 60 frames of a pass a laser in flight neither moves nor is drawn.
TEST_F(HomingLaserTest, FrozenAndHiddenUntilStageClockSixty) {
    LaserTrail& laser = playerLasers[40];
    laser.active = 1.0f;
    laser.counter = 30;
    laser.x[5] = 300.0f;
    laser.y[5] = 300.0f;
    laser.state[5] = 1.0f;
    const LaserTrail before = laser;
    for (int frame = 0; frame < 60; ++frame) {
        runFrame(&target);
        EXPECT_EQ(std::memcmp(&laser, &before, sizeof laser), 0) << "clock " << stageClock;
    }
    for (const DrawOp& op : target.ops) {
        if (op.kind == DrawOp::Line) {
            EXPECT_NE(rgbOf(op.color), 0x00AA00u);
        }
    }
    target.ops.clear();

    ASSERT_EQ(stageClock, 60.0f);
    runFrame(&target);
    EXPECT_EQ(laser.counter, 31);
    EXPECT_NE(laser.y[5], 300.0f);
}

}  // namespace
