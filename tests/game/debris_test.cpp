#include "tests/game/game_fixture.h"

namespace {

constexpr RectF kFirstSpray = {94, 84, 110, 100};
constexpr RectF kSecondSpray = {62, 84, 78, 100};
constexpr RectF kFalling = {110, 0, 140, 30};

class DebrisTest : public GameTest {
  protected:
    // A clock with no spawn window open: enemies only fall 6 pixels a frame.
    void SetUp() override {
        GameTest::SetUp();
        stageClock = 13100.0f;
    }

    void destroyEnemy(int slot, float x, float y) {
        activateEnemy(slot, x, y);
        enemies[slot].flash = 1.0f;
        updateEnemyFleet(&target);
    }
};

TEST_F(DebrisTest, DestroyedEnemyThrowsOut220FragmentsInOneFrame) {
    destroyEnemy(12, 300.0f, 294.0f);  // falls to 300 before bursting

    const Enemy& e = enemies[12];
    EXPECT_EQ(e.hp, 0);
    EXPECT_EQ(e.x, kEnemyParkX);
    EXPECT_EQ(e.y, -3550.0f);
    EXPECT_EQ(e.flash, 0.0f);
    EXPECT_EQ(e.burstCount, 0.0f);

    for (int j = 0; j < 220; ++j) {
        const Fragment& f = debris[12][j];
        SCOPED_TRACE(testing::Message() << "fragment " << j);
        ASSERT_EQ(f.active, 1.0f);
        if (j <= 160) {
            EXPECT_EQ(f.age, 1.0f);  // already moved and aged once
            EXPECT_GE(f.vx, -17.0f);
            EXPECT_LE(f.vx, 25.0f);
            EXPECT_GE(f.vy, -35.0f);
            EXPECT_LE(f.vy, 7.0f);
            EXPECT_EQ(f.x, 322.0f + f.vx);
            EXPECT_EQ(f.y, 297.0f + f.vy);
        } else {
            EXPECT_EQ(f.age, 0.0f);
            EXPECT_GE(f.vx, -3.0f);
            EXPECT_LE(f.vx, 3.0f);
            EXPECT_GE(f.vy, 4.0f);
            EXPECT_LE(f.vy, 15.0f);
            EXPECT_EQ(f.x, 315.0f + f.vx);
            EXPECT_EQ(f.y, 290.0f + f.vy);
        }
    }
    EXPECT_EQ(debris[12][220].active, 0.0f);  // never emitted
    EXPECT_EQ(debris[12][220].x, -2550.0f);

    // The enemy is drawn before its debris; each kind with its own sprite and size.
    ASSERT_EQ(target.ops.size(), 221u);
    EXPECT_TRUE(sameRect(target.ops[0].source, {300, 100, 600, 400}));
    EXPECT_EQ(shipDraws(kFirstSpray).size(), 81u);
    EXPECT_EQ(shipDraws(kSecondSpray).size(), 80u);
    const std::vector<DrawOp> falling = shipDraws(kFalling);
    ASSERT_EQ(falling.size(), 59u);
    const Fragment& f161 = debris[12][161];
    EXPECT_TRUE(
        sameRect(falling[0].destination, {f161.x - 15, f161.y - 15, f161.x + 15, f161.y + 15}));
    const Fragment& f0 = debris[12][0];
    EXPECT_TRUE(sameRect(target.ops[1].destination, {f0.x - 8, f0.y - 8, f0.x + 8, f0.y + 8}));

    // Only the second edition's burst makes a sound, when the counter becomes 2.
    if constexpr (kBurstPlaysHit) {
        EXPECT_EQ(soundLog, std::vector<std::wstring>{L"hit"});
    } else {
        EXPECT_TRUE(soundLog.empty());
    }
}

TEST_F(DebrisTest, FirstBurstDrawsTheFixedRandomSequence) {
    // rand() from state 1 gives 41, 18467, 6334, 26500, 19169, 15724, 11478, 29358.
    destroyEnemy(0, 300.0f, 294.0f);
    const struct {
        float vx, vy;
    } expected[2] = {{19 - 9 + 4, 20 - 12 - 14}, {7 - 16 + 4, 16 - 10 - 14}};
    for (int j = 0; j < 2; ++j) {
        EXPECT_EQ(debris[0][j].vx, expected[j].vx) << "fragment " << j;
        EXPECT_EQ(debris[0][j].vy, expected[j].vy) << "fragment " << j;
    }
    // The 161 spray fragments take four numbers each, the 59 falling ones three each.
    std::uint32_t state = 1;
    for (int n = 0; n < 161 * 4 + 59 * 3; ++n) state = state * 214013u + 2531011u;
    EXPECT_EQ(randState, state);
}

TEST_F(DebrisTest, NewBurstTakesTheRowOverFromFragmentZero) {
    destroyEnemy(3, 300.0f, 294.0f);
    debris[3][219] = {100, 100, 0, 0, 1, 0};  // a fragment of an earlier burst
    destroyEnemy(3, 200.0f, 194.0f);
    EXPECT_EQ(debris[3][0].x, 222.0f + debris[3][0].vx);
    EXPECT_EQ(debris[3][219].x, 215.0f + debris[3][219].vx);
}

TEST_F(DebrisTest, NoDebrisWhenTheBottomRemovalClearsTheFlash) {
    destroyEnemy(6, 300.0f, 1162.0f);
    EXPECT_EQ(enemies[6].hp, 0);
    EXPECT_EQ(enemies[6].x, -2550.0f);
    for (const Fragment& f : debris[6]) EXPECT_EQ(f.active, 0.0f);
    EXPECT_TRUE(soundLog.empty());
    EXPECT_EQ(randState, 1u);
}

TEST_F(DebrisTest, SprayFragmentIsDrawnInExactly100Frames) {
    debris[30][100] = {300, 300, 0, 0, 1, 0};
    debris[30][200] = {300, 300, 0, 0, 1, 0};  // falling fragments do not age
    int sprayDraws = 0;
    for (int frame = 0; frame < 150; ++frame) {
        target.ops.clear();
        updateEnemyFleet(&target);
        sprayDraws += static_cast<int>(shipDraws(kSecondSpray).size());
        EXPECT_EQ(shipDraws(kFalling).size(), 1u);
    }
    EXPECT_EQ(sprayDraws, 100);
    EXPECT_EQ(debris[30][100].active, 0.0f);
    EXPECT_EQ(debris[30][100].age, 100.0f);
    EXPECT_EQ(debris[30][100].x, 300.0f);  // dead but not parked: still inside the area
}

struct ParkCase {
    float x, y;
    bool parked;
};

TEST_F(DebrisTest, FragmentsLeavingTheAreaOrTouchingTheShipAreParked) {
    // Ship at (300, 520): the contact box is x 284..350, y 504..620.
    const ParkCase cases[] = {
        {-100, 300, true}, {-99, 300, false}, {700, 300, true},  {699, 300, false},
        {300, -100, true}, {300, -99, false}, {300, 868, true},  {300, 867, false},
        {350, 620, true},  {351, 620, false}, {350, 621, false}, {284, 504, true},
        {283, 504, false}, {284, 503, false}, {300, 520, true},
    };
    for (const ParkCase& c : cases) {
        SetUp();
        for (float active : {1.0f, 0.0f}) {  // the tests apply to idle fragments too
            debris[0][5] = {c.x, c.y, 0, 0, active, 3};
            updateEnemyFleet(&target);
            const Fragment& f = debris[0][5];
            SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " active " << active);
            if (c.parked) {
                EXPECT_EQ(f.x, -2550.0f);
                EXPECT_EQ(f.y, -3550.0f);
                EXPECT_EQ(f.active, 0.0f);
                EXPECT_EQ(f.age, 0.0f);
            } else {
                EXPECT_EQ(f.x, c.x);
                EXPECT_EQ(f.age, active == 1.0f ? 4.0f : 3.0f);
            }
        }
    }
    EXPECT_EQ(playerX, 300.0f);
    EXPECT_TRUE(soundLog.empty());
}

}  // namespace
