#include "tests/game/game_fixture.h"

namespace {

using FleetTest = GameTest;

constexpr RectF kWaveSprite = {50, 0, 110, 60};

std::vector<int> activeSlots() {
    std::vector<int> slots;
    for (int i = 0; i < kEnemyCount; ++i) {
        if (enemies[i].hp == 1) slots.push_back(i);
    }
    return slots;
}

TEST_F(FleetTest, NineShipWaveSpawnsTogetherAtClock100) {
    stageClock = 99.0f;
    updateEnemyFleet(&target);
    EXPECT_TRUE(activeSlots().empty());

    stageClock = 100.0f;
    updateEnemyFleet(&target);
    EXPECT_EQ(activeSlots(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    // One weave step from the start: theta = 0.0006 x 180 / 3.14 = 0.034394905, so
    // 6 cos theta = 5.99645138 and 6 sin theta = 0.20632875.
    const float startY[9] = {-200, -100, -200, -600, -500, -600, -1000, -900, -1000};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(enemies[i].x, 60.0f * static_cast<float>(i + 1) + 5.99645138f) << "slot " << i;
        EXPECT_NEAR(enemies[i].y, startY[i] + 6.20633f, 1e-3) << "slot " << i;
        EXPECT_EQ(enemies[i].weaveTick, 1.0f);
        EXPECT_EQ(enemies[i].weaveAngle, 0.0006f);
    }
    EXPECT_EQ(enemies[0].y, -193.793671f);
    EXPECT_EQ(shipDraws(kWaveSprite).size(), 9u);
}

struct WindowCase {
    float clock;
    int slot;
    bool spawns;
};

TEST_F(FleetTest, SlotsSpawnOnlyInsideTheirInclusiveWindows) {
    const WindowCase cases[] = {
        {500, 0, true},    {501, 0, false},   {999, 4, false},   {1000, 4, true},
        {12500, 8, true},  {12501, 8, false}, {13000, 0, false}, {499, 9, false},
        {500, 9, true},    {1050, 11, true},  {1051, 11, false}, {1500, 12, true},
        {1499, 12, false}, {12500, 45, true}, {13050, 47, true}, {13051, 47, false},
        {500, 12, false},  {0, 0, false},
    };
    for (const WindowCase& c : cases) {
        SetUp();
        stageClock = c.clock;
        updateEnemyFleet(&target);
        EXPECT_EQ(enemies[c.slot].hp, c.spawns ? 1 : 0)
            << "clock " << c.clock << " slot " << c.slot;
    }
}

TEST_F(FleetTest, TriosStartAtTheirPlaces) {
    // One weave step away from the start place: at most 6 across and 12 down.
    const struct {
        int slot;
        float x, y;
    } places[] = {{9, 150, -400},  {10, 450, -400},  {11, 300, -800}, {18, 150, -800},
                  {19, 450, -800}, {20, 300, -1800}, {47, 300, -1800}};
    for (const auto& p : places) {
        SetUp();
        // Open the slot's own window by choosing its trio's start clock.
        stageClock = 500.0f + 1000.0f * static_cast<float>((p.slot - 9) / 3);
        updateEnemyFleet(&target);
        ASSERT_EQ(enemies[p.slot].hp, 1) << "slot " << p.slot;
        EXPECT_NEAR(enemies[p.slot].x, p.x, 6.0f) << "slot " << p.slot;
        EXPECT_NEAR(enemies[p.slot].y, p.y, 12.0f) << "slot " << p.slot;
    }
}

TEST_F(FleetTest, SlotFreedInsideItsWindowRespawnsAtItsStartNextFrame) {
    stageClock = 200.0f;
    activateEnemy(3, 400.0f, 300.0f);
    enemies[3].flash = 1.0f;
    updateEnemyFleet(&target);
    EXPECT_EQ(enemies[3].hp, 0);
    EXPECT_EQ(enemies[3].x, kEnemyParkX);
    EXPECT_EQ(enemies[3].y, -3550.0f);

    stageClock = 201.0f;
    updateEnemyFleet(&target);
    EXPECT_EQ(enemies[3].hp, 1);
    EXPECT_EQ(enemies[3].x, 240.0f + 5.99645138f);
    EXPECT_EQ(enemies[3].weaveTick, 1.0f);
}

struct MotionCase {
    float clock;
    int slot;
    float tickBefore;
    float tickAfter;
    float angleStep;  // change of weaveAngle from 0
    bool xMoves;
    float yChangeAtZeroAngle;  // with weaveAngle 0 before, each step adds 6 sin + base
};

TEST_F(FleetTest, MotionFollowsThePhaseTable) {
    const MotionCase cases[] = {
        {0, 0, 10, 10, 0, false, 0},              // no phase at clock 0
        {1, 0, 0, 1, 0.0006f, true, -1},          // A, first quarter
        {100, 20, 300, 301, 0.0006f, true, -1},   // A, second quarter: +
        {100, 20, 600, 601, -0.0006f, true, -1},  // A, third quarter: -
        {100, 20, 1200, 0, 0, true, -1},          // wrap: no turn that frame
        {2500, 0, 0, 2, 0.0012f, true, -1},       // A and B: two steps
        {3000, 0, 0, 1, 0.0006f, true, -1},       // B, wave turns +
        {3000, 9, 0, 1, -0.0006f, true, -1},      // B, trios turn -
        {7500, 9, 0, 2, -0.0012f, true, -1},      // B and C: two steps
        {8000, 0, 0, 1, -0.0006f, true, -1},      // C, wave
        {8000, 9, 900, 901, 0.0006f, false, -1},  // C, trios keep x
        {10500, 0, 0, 1, -0.0006f, true, -1},     // C and D
        {11000, 0, 5, 5, 0, false, 6},            // D: straight down 6
        {14299, 47, 5, 5, 0, false, 6},
    };
    for (const MotionCase& c : cases) {
        SetUp();
        stageClock = c.clock;
        activateEnemy(c.slot, 300.0f, 100.0f);
        enemies[c.slot].weaveTick = c.tickBefore;
        updateEnemyFleet(&target);
        const Enemy& e = enemies[c.slot];
        SCOPED_TRACE(testing::Message() << "clock " << c.clock << " slot " << c.slot);
        EXPECT_EQ(e.weaveTick, c.tickAfter);
        EXPECT_FLOAT_EQ(e.weaveAngle, c.angleStep);
        EXPECT_EQ(e.x != 300.0f, c.xMoves);
        if (c.yChangeAtZeroAngle >= 0) {
            EXPECT_EQ(e.y, 100.0f + c.yChangeAtZeroAngle);
        }
    }
}

TEST_F(FleetTest, WaveSlowsItsDescentInPhaseC) {
    // 6 sin(0.0006 x 180 / 3.14) = 0.2063; phase C adds 3 for the wave, 6 for the trios.
    stageClock = 8000.0f;
    activateEnemy(0, 300.0f, 100.0f);
    activateEnemy(9, 300.0f, 100.0f);
    enemies[0].weaveTick = 900.0f;  // fourth quarter: the wave turns -
    enemies[9].weaveTick = 900.0f;  // the trios turn +
    updateEnemyFleet(&target);
    EXPECT_NEAR(enemies[0].y, 100.0f - 0.2063f + 3.0f, 1e-3);
    EXPECT_NEAR(enemies[9].y, 100.0f + 0.2063f + 6.0f, 1e-3);
}

TEST_F(FleetTest, EnemyReachingExactly1168IsDrawnThenFreed) {
    stageClock = 13100.0f;  // phase D (y + 6), and no window open
    activateEnemy(4, 250.0f, 1162.0f);
    activateEnemy(5, 350.0f, 1161.0f);
    updateEnemyFleet(&target);

    const std::vector<DrawOp> drawn = shipDraws(kWaveSprite);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(sameRect(drawn[0].destination, {220, 1138, 280, 1198}));
    EXPECT_EQ(enemies[4].hp, 0);
    EXPECT_EQ(enemies[4].x, -2550.0f);  // the bottom removal parks at -2550 in both editions
    EXPECT_EQ(enemies[4].y, -3550.0f);
    EXPECT_EQ(enemies[5].hp, 1);
    EXPECT_EQ(enemies[5].y, 1167.0f);
}

TEST_F(FleetTest, SpritesFollowTheSlotGroups) {
    const struct {
        int slot;
        RectF source;
        float halfW, halfH;
    } cases[] = {
        {8, {50, 0, 110, 60}, 30, 30},           {9, {0, 100, 300, 400}, 150, 150},
        {14, {300, 100, 600, 400}, 150, 150},    {17, {600, 100, 900, 400}, 150, 150},
        {18, {0, 400, 400, 1200}, 200, 400},     {26, {800, 400, 1200, 1200}, 200, 400},
        {27, {0, 1200, 400, 2000}, 200, 400},    {40, {400, 2000, 800, 2800}, 200, 400},
        {44, {800, 2000, 1200, 2800}, 200, 400}, {45, {0, 2800, 400, 3600}, 200, 400},
    };
    for (const auto& c : cases) {
        SetUp();
        target.ops.clear();
        stageClock = 13100.0f;
        activateEnemy(c.slot, 300.0f, 94.0f);
        updateEnemyFleet(&target);
        ASSERT_EQ(target.ops.size(), 1u) << "slot " << c.slot;
        const DrawOp& op = target.ops[0];
        EXPECT_TRUE(sameRect(op.source, c.source)) << "slot " << c.slot;
        EXPECT_TRUE(
            sameRect(op.destination, {300 - c.halfW, 100 - c.halfH, 300 + c.halfW, 100 + c.halfH}))
            << "slot " << c.slot;
    }
}

}  // namespace
