#include <climits>
#include <cmath>

#include "tests/weapons/weapon_fixture.h"

namespace {

using LaserTest = WeaponTest;

struct FirstFrameCase {
    const char* name;
    void (*update)(RenderTarget*);
    LaserTrail* table;
    int laser;
    PointF source;
    PointF aim;
    float turnSign;
    float steerX;
    float steerY;
};

// Arming and the volley's first frame in one pass: point 0 leaves the source
// + (1, 31) with one steering step, every later point waits there, and no
// segment is drawn since none starts at point 0.
TEST_F(LaserTest, FirstFrameEmitsPointZeroAndDrawsNothing) {
    const FirstFrameCase cases[] = {
        {"pod 0", updatePodLasers, playerLasers, 0, {250, 570}, {300, -411}, 1, 14, 20},
        {"pod 1", updatePodLasers, playerLasers, 1, {350, 570}, {300, -411}, -1, 14, 20},
        {"pod 3", updatePodLasers, playerLasers, 3, {400, 620}, {300, -411}, -1, 14, 20},
        {"enemy 8", updateEnemyLasers, enemyLasers, 8, {200, 300}, {300, 2000}, -1, 24, 30},
        {"enemy 9", updateEnemyLasers, enemyLasers, 9, {400, 250}, {300, 2000}, 1, 24, 30},
    };
    for (const FirstFrameCase& c : cases) {
        SCOPED_TRACE(c.name);
        resetGame();
        placeEnemy(8, 200.0f, 300.0f);
        placeEnemy(9, 400.0f, 250.0f);
        c.update(&target);
        EXPECT_TRUE(target.ops.empty());
        const LaserTrail& laser = c.table[c.laser];
        const PointF launch{c.source.x, c.source.y + 30.0f};
        EXPECT_EQ(laser.active, 1.0f);
        EXPECT_EQ(laser.counter, 0);
        EXPECT_EQ((PointF{laser.launchX, laser.launchY}), launch);
        EXPECT_EQ(laser.state[0], 1.0f);
        EXPECT_EQ(laser.turn[0], kPi + (c.turnSign * kPi) / 21.0f);
        EXPECT_EQ((PointF{laser.x[0], laser.y[0]}),
                  firstLaserStep(launch, c.aim, c.turnSign, c.steerX, c.steerY));
        for (int j = 1; j < kLaserPoints; ++j) {
            EXPECT_EQ(laser.state[j], 0.0f);
            EXPECT_EQ((PointF{laser.x[j], laser.y[j]}), (PointF{launch.x + 1, launch.y + 1}));
        }
        target.ops.clear();
    }
}

// After frames 0..c have emitted points 0..c, segments 1..min(c, 18) are drawn,
// each from point k to point k + 1, the newest ending where the next point waits.
TEST_F(LaserTest, DrawsOneSegmentPerEmittedPointFromPointOne) {
    const struct {
        int frames;
        std::size_t segments;
    } cases[] = {{2, 1}, {6, 5}, {19, 18}, {20, 18}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.frames << " frames");
        resetGame();
        for (int f = 0; f < c.frames; ++f) {
            target.ops.clear();
            updatePodLasers(&target);
        }
        const std::vector<GlowLine> lines = takeGlowLines();
        ASSERT_EQ(lines.size(), kPodCount * c.segments);
        const LaserTrail& laser = playerLasers[0];
        for (std::size_t k = 0; k < c.segments; ++k) {
            EXPECT_EQ(lines[k].from, (PointF{laser.x[k + 1], laser.y[k + 1]}));
            EXPECT_EQ(lines[k].rgb, 0x00AA00u);
        }
        EXPECT_EQ(lines[c.segments - 1].to, (PointF{laser.launchX + 1, laser.launchY + 1}));
    }
}

TEST_F(LaserTest, EnemySlotsZeroToTwoNeverFire) {
    for (int i = 0; i < 5; ++i) placeEnemy(i, 100.0f + 100.0f * i, 300.0f);
    for (int frame = 0; frame < 3; ++frame) updateEnemyLasers(&target);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(enemyLasers[i].active, 0.0f);
        EXPECT_EQ(enemyLasers[i].counter, 0);
        EXPECT_EQ(enemyLasers[i].state[0], 0.0f);
    }
    EXPECT_EQ(enemyLasers[3].active, 1.0f);
    EXPECT_EQ(enemyLasers[4].counter, 2);
}

TEST_F(LaserTest, EnemyLaserArmsFromY200WhateverItsHp) {
    const struct {
        std::int32_t hp;
        float y;
        bool arms;
    } cases[] = {{1, 200.0f, true}, {1, 199.9f, false}, {0, 300.0f, true}, {0, kParkY, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "hp " << c.hp << " y " << c.y);
        resetGame();
        placeEnemy(5, 300.0f, c.y, c.hp);
        updateEnemyLasers(&target);
        EXPECT_EQ(enemyLasers[5].active, c.arms ? 1.0f : 0.0f);
        EXPECT_EQ(enemyLasers[5].counter, 0);
    }
}

// 21 turn steps of kPi / 21 added one by one in float miss 2 x kPi and 0.
TEST_F(LaserTest, TurnAfterTwentyOneStepsIsSlightlyOffAndCruiseKeepsIt) {
    for (int frame = 0; frame < 21; ++frame) updatePodLasers(&target);
    const float clockwise = playerLasers[0].turn[0];
    const float anticlockwise = playerLasers[1].turn[0];
    EXPECT_NE(clockwise, 2.0f * kPi);
    EXPECT_NEAR(clockwise, 2.0f * kPi, 1e-5f);
    EXPECT_NE(anticlockwise, 0.0f);
    EXPECT_NEAR(anticlockwise, 0.0f, 1e-5f);

    updatePodLasers(&target);
    EXPECT_EQ(playerLasers[0].turn[0], clockwise);
    EXPECT_EQ(playerLasers[1].turn[0], anticlockwise);
    EXPECT_NEAR(std::hypot(playerLasers[0].stepX[0], playerLasers[0].stepY[0]), 30.0f, 1e-3f);
}

// A laser of enemy slot 9 part-way through a volley, its points set by hand.
LaserTrail& startVolley(std::int32_t counter) {
    LaserTrail& laser = enemyLasers[9];
    laser.active = 1.0f;
    laser.counter = counter;
    laser.launchX = 300.0f;
    laser.launchY = 400.0f;
    return laser;
}

void placeLaserPoint(LaserTrail& laser, int j, float x, float y, float state = 1.0f) {
    laser.x[j] = x;
    laser.y[j] = y;
    laser.state[j] = state;
}

// Enemy launch points lie outside the bounds from y 838 on: point 0 retires at
// once while point 20 still waits there, so the volley ends and restarts.
TEST_F(LaserTest, LaunchPointOutsideTheBoundsEndsEachVolleyAtOnce) {
    placeEnemy(5, 300.0f, 900.0f);
    updateEnemyLasers(&target);
    EXPECT_EQ(enemyLasers[5].state[0], 2.0f);
    EXPECT_EQ(enemyLasers[5].x[0], kLaserRetireX);
    EXPECT_EQ(enemyLasers[5].active, 0.0f);
    EXPECT_EQ(enemyLasers[5].counter, -1);

    enemies[5].x = 350.0f;
    updateEnemyLasers(&target);
    EXPECT_EQ(enemyLasers[5].launchX, 350.0f);  // armed again at once
    EXPECT_EQ(enemyLasers[5].counter, -1);
    EXPECT_EQ(enemyLasers[5].state[0], 2.0f);
    EXPECT_EQ(enemyLasers[5].state[1], 0.0f);
}

// The end-of-volley check of point 20 runs only right after a point retired.
TEST_F(LaserTest, VolleyEndsOnlyWhenAPointRetiresWhilePointTwentyIsOutside) {
    for (const bool pointTwoLeaves : {false, true}) {
        SCOPED_TRACE(pointTwoLeaves ? "point 2 retires" : "no point retires");
        resetGame();
        LaserTrail& laser = startVolley(5);
        placeLaserPoint(laser, 20, 300.0f, 900.0f, 0.0f);
        placeLaserPoint(laser, 2, 300.0f, pointTwoLeaves ? 900.0f : 400.0f);
        updateEnemyLasers(&target);
        EXPECT_EQ(laser.active, pointTwoLeaves ? 0.0f : 1.0f);
        EXPECT_EQ(laser.counter, pointTwoLeaves ? -1 : 6);
    }
}

// Point 3 ends the volley; point 5, still in its steering frames by the old
// counter, reads the new -1 in the same pass and cruises without turning.
TEST_F(LaserTest, PointsAfterTheEndOfAVolleyCruiseInTheSamePass) {
    LaserTrail& laser = startVolley(24);
    placeLaserPoint(laser, 3, 300.0f, 900.0f);
    placeLaserPoint(laser, 20, 300.0f, 900.0f, 0.0f);
    placeLaserPoint(laser, 5, 300.0f, 400.0f);
    laser.turn[5] = 5.0f;
    updateEnemyLasers(&target);
    EXPECT_EQ(laser.counter, -1);
    EXPECT_EQ(laser.turn[5], 5.0f);
    EXPECT_NEAR(std::hypot(laser.stepX[5], laser.stepY[5]), 30.0f, 1e-3f);
}

// A leftover point waiting for its emission neither steers nor cruises, but is
// drawn and can retire.
TEST_F(LaserTest, WaitingLeftoverPointIsDrawnAndRetireTestedButNotMoved) {
    for (const float y : {500.0f, 900.0f}) {
        SCOPED_TRACE(testing::Message() << "waiting at y " << y);
        resetGame();
        LaserTrail& laser = startVolley(2);
        placeLaserPoint(laser, 10, 200.0f, y);
        placeLaserPoint(laser, 11, 210.0f, 510.0f, 0.0f);
        laser.turn[10] = 1.0f;
        updateEnemyLasers(&target);
        const std::vector<GlowLine> lines = takeGlowLines();
        ASSERT_EQ(lines.size(), 2u);  // after the segment of point 3, emitted this frame
        EXPECT_EQ(lines[1].from, (PointF{200, y}));
        EXPECT_EQ(lines[1].to, (PointF{210, 510}));
        EXPECT_EQ(laser.turn[10], 1.0f);
        if (y < 868.0f) {
            EXPECT_EQ((PointF{laser.x[10], laser.y[10]}), (PointF{200, y}));
            EXPECT_EQ(laser.state[10], 1.0f);
        } else {
            EXPECT_EQ(laser.state[10], 2.0f);
            EXPECT_EQ(laser.x[10], kLaserRetireX);
        }
    }
}

// A volley that never ends keeps counting; the count wraps instead of
// overflowing, and its live points go on cruising.
TEST_F(LaserTest, EndlessVolleyCounterWrapsAndItsPointsCruise) {
    LaserTrail& laser = startVolley(INT32_MAX);
    placeLaserPoint(laser, 20, 300.0f, 400.0f);
    laser.turn[20] = 1.0f;
    updateEnemyLasers(&target);
    EXPECT_EQ(laser.counter, INT32_MIN);
    EXPECT_EQ(laser.active, 1.0f);
    EXPECT_EQ(laser.turn[20], 1.0f);
    EXPECT_NEAR(std::hypot(laser.stepX[20], laser.stepY[20]), 30.0f, 1e-3f);
}

}  // namespace
