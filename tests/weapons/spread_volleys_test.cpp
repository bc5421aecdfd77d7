#include "tests/weapons/weapon_fixture.h"

namespace {

using SpreadVolleyTest = WeaponTest;

int countActive(int firstGroup, int enemy) {
    int n = 0;
    for (int g = firstGroup; g < firstGroup + 6; ++g) {
        for (const EnemyBullet& needle : spreadVolleys[g][enemy]) n += needle.active == 1.0f;
    }
    return n;
}

TEST_F(SpreadVolleyTest, EachBandFiresItsOwnVolley) {
    const struct {
        std::int32_t hp;
        float y;
        bool down;
        bool up;
    } cases[] = {{1, 150, true, false},  {1, 200, true, false}, {1, 201, false, false},
                 {1, 349, false, false}, {1, 350, false, true}, {1, 400, false, true},
                 {0, 170, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "hp " << c.hp << " y " << c.y);
        resetGame();
        placeEnemy(0, 300.0f, c.y, c.hp);
        updateSpreadVolleys(&target);
        EXPECT_EQ(countActive(0, 0), c.down ? 30 : 0);
        EXPECT_EQ(countActive(6, 0), c.up ? 30 : 0);
    }
}

TEST_F(SpreadVolleyTest, FirstPassLaunchesAllThirtyNeedlesFromTheCentre) {
    placeEnemy(0, 300.0f, 170.0f);
    updateSpreadVolleys(&target);
    const std::vector<GlowLine> lines = takeGlowLines();
    ASSERT_EQ(lines.size(), 30u);
    // Needle by needle, the six groups each; group 1 leans left.
    for (int j = 0; j < kSpreadNeedles; ++j) {
        SCOPED_TRACE(testing::Message() << "needle " << j);
        const GlowLine& group1 = lines[6 * j];
        EXPECT_EQ(group1.from, (PointF{290, 200}));
        EXPECT_EQ(group1.to, (PointF{286, 250}));
        EXPECT_EQ(group1.rgb, 0xF000FFu);
        const float s = static_cast<float>(6 - j);
        EXPECT_EQ(spreadVolleys[0][0][j].x, 300.0f - s);
        EXPECT_EQ(spreadVolleys[0][0][j].y, 170.0f + 10.0f * s);
        EXPECT_EQ(spreadVolleys[4][0][j].x, 300.0f - 6.0f * s);
    }
}

TEST_F(SpreadVolleyTest, UpwardNeedleFrom400RetiresAfterFourteenMoves) {
    placeEnemy(0, 300.0f, 400.0f);
    updateSpreadVolleys(&target);
    enemies[0].hp = 0;
    const EnemyBullet& needle = spreadVolleys[6][0][0];
    EXPECT_EQ(needle.y, 340.0f);
    for (int move = 2; move <= 13; ++move) updateSpreadVolleys(&target);
    EXPECT_EQ(needle.y, -380.0f);
    EXPECT_EQ(needle.active, 1.0f);
    updateSpreadVolleys(&target);
    EXPECT_EQ(needle.active, 0.0f);
    EXPECT_EQ(needle.y, kParkY);
}

TEST_F(SpreadVolleyTest, NeedlesHaveNoSideBound) {
    spreadVolleys[4][0][0] = {-5000.0f, 500.0f, 1.0f};
    updateSpreadVolleys(&target);
    EXPECT_EQ(takeGlowLines().size(), 1u);
    EXPECT_EQ(spreadVolleys[4][0][0].x, -5036.0f);
    EXPECT_EQ(spreadVolleys[4][0][0].active, 1.0f);
}

}  // namespace
