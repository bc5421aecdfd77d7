#include "tests/weapons/weapon_fixture.h"

namespace {

using MissileTest = WeaponTest;

TEST_F(MissileTest, LaunchesFromActiveEnemiesFromY100Down) {
    const struct {
        std::int32_t hp;
        float y;
        bool launches;
    } cases[] = {{1, 100.0f, true}, {1, 99.9f, false}, {1, 700.0f, true}, {0, 300.0f, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "hp " << c.hp << " y " << c.y);
        resetGame();
        placeEnemy(0, 300.0f, c.y, c.hp);
        updateMissiles(&target);
        EXPECT_EQ(missiles[0].active, c.launches ? 1.0f : 0.0f);
        EXPECT_EQ(takeGlowLines().size(), c.launches ? 2u : 0u);
    }
}

// Drawn at 100 + 18k for k = 0..59, retired after the move to 1180, and the next
// missile leaves the frame after from wherever the enemy is then.
TEST_F(MissileTest, FallsSixtyFramesThenTheNextLaunches) {
    placeEnemy(0, 300.0f, 100.0f);
    for (int k = 0; k < 60; ++k) {
        SCOPED_TRACE(testing::Message() << "frame " << k);
        updateMissiles(&target);
        const std::vector<GlowLine> lines = takeGlowLines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].from, (PointF{290.0f, 100.0f + 18.0f * k + 30.0f}));
        enemies[0].x += 5.0f;  // the missile keeps its launch x
    }
    EXPECT_EQ(missiles[0].active, 0.0f);
    EXPECT_EQ(missiles[0].y, kParkY);

    updateMissiles(&target);
    EXPECT_EQ(takeGlowLines()[0].from, (PointF{600.0f - 10.0f, 130.0f}));
}

TEST_F(MissileTest, HigherEnemiesCarryMoreStreaks) {
    const struct {
        float dx;
        float fromDy;
        std::uint32_t rgb;
    } streaks[] = {{-10, 30, 0x0FFFFF}, {10, 30, 0x0FFFFF}, {-20, 20, 0x0FFFFF}, {20, 20, 0x0FFFFF},
                   {-40, 20, 0xFFF000}, {40, 20, 0xFFF000}, {-70, 0, 0xFFF000},  {70, 0, 0xFFF000}};
    const struct {
        int enemy;
        std::size_t streaks;
    } cases[] = {{8, 2}, {9, 4}, {23, 4}, {24, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "enemy " << c.enemy);
        resetGame();
        placeEnemy(c.enemy, 300.0f, 400.0f);
        updateMissiles(&target);
        const std::vector<GlowLine> lines = takeGlowLines();
        ASSERT_EQ(lines.size(), c.streaks);
        for (std::size_t k = 0; k < c.streaks; ++k) {
            EXPECT_EQ(lines[k].from, (PointF{300 + streaks[k].dx, 400 + streaks[k].fromDy}));
            EXPECT_EQ(lines[k].to, (PointF{300 + streaks[k].dx, 450 + streaks[k].fromDy}));
            EXPECT_EQ(lines[k].rgb, streaks[k].rgb);
        }
    }
}

TEST_F(MissileTest, MissileFallsOnAfterItsEnemyIsGone) {
    placeEnemy(0, 300.0f, 400.0f);
    updateMissiles(&target);
    enemies[0].hp = 0;
    updateMissiles(&target);
    EXPECT_EQ(missiles[0].y, 436.0f);
    EXPECT_EQ(missiles[0].active, 1.0f);
}

}  // namespace
