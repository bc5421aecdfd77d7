#include <cmath>
#include <numbers>

#include "tests/weapons/weapon_fixture.h"

namespace {

using FanShotTest = WeaponTest;

TEST_F(FanShotTest, FiresOnlyWhileActiveInsideTheZone) {
    const struct {
        std::int32_t hp;
        float y;
        bool fires;
    } cases[] = {{1, 150.0f, true},
                 {1, 800.0f, true},
                 {1, 800.5f, false},
                 {1, 149.9f, false},
                 {0, 400.0f, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "hp " << c.hp << " y " << c.y);
        resetGame();
        placeEnemy(0, 300.0f, c.y, c.hp);
        fanCursor[0] = 7;
        updateFanShots(&target);
        EXPECT_EQ(fanCursor[0], c.fires ? 8u : 7u);
        EXPECT_EQ(fanShots[0][0][8].active, c.fires ? 1.0f : 0.0f);
        EXPECT_EQ(fanShots[1][0][8].active, c.fires ? 1.0f : 0.0f);
        EXPECT_EQ(takeGlowLines().size(), c.fires ? 2u : 0u);
    }
}

TEST_F(FanShotTest, CursorRunsOneToThirtyFiveAndNeverLaunchesSlotZero) {
    placeEnemy(0, 300.0f, 400.0f);
    for (std::uint32_t frame = 1; frame <= 36; ++frame) {
        SCOPED_TRACE(testing::Message() << "frame " << frame);
        updateFanShots(&target);
        const std::uint32_t launched = frame == 36 ? 1 : frame;
        EXPECT_EQ(fanCursor[0], frame == 35 ? 0u : launched);
        // Each frame's launched pair is drawn at the muzzles first.
        const std::vector<GlowLine> lines = takeGlowLines();
        const auto drawnAt = [&](PointF p) {
            for (const GlowLine& l : lines) {
                if (l.from == p) return true;
            }
            return false;
        };
        EXPECT_TRUE(drawnAt({280, 400}));
        EXPECT_TRUE(drawnAt({320, 400}));
        EXPECT_EQ(fanShots[0][0][0].active, 0.0f);
        EXPECT_EQ(fanShots[1][0][0].active, 0.0f);
    }
}

TEST_F(FanShotTest, RelaunchesASlotStillInFlightFromTheMuzzle) {
    placeEnemy(0, 300.0f, 400.0f);
    fanCursor[0] = 4;
    fanShots[0][0][5] = {100.0f, 100.0f, 1.0f};
    updateFanShots(&target);
    for (const GlowLine& line : takeGlowLines()) EXPECT_NE(line.from, (PointF{100, 100}));
    EXPECT_EQ(fanShots[0][0][5].y, 400.0f + static_cast<float>(std::sin(0.2 * 13) * 16));
}

double degreesOf(float dx, float dy) {
    return std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / std::numbers::pi;
}

// u = 18 - j wraps in unsigned arithmetic, so slot 19 heads about 30 degrees
// below the horizontal rather than 11.46 above it; the right stream mirrors x.
TEST_F(FanShotTest, SlotNumberFixesTheDirection) {
    const struct {
        int slot;
        double degrees;
    } cases[] = {{1, -165.194}, {17, 11.459}, {18, 0.0}, {19, 30.044}, {35, -153.303}};
    for (const auto& c : cases) {
        fanShots[0][0][c.slot] = {300.0f, 400.0f, 1.0f};
        fanShots[1][0][c.slot] = {300.0f, 400.0f, 1.0f};
    }
    updateFanShots(&target);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot);
        const EnemyBullet& left = fanShots[0][0][c.slot];
        const EnemyBullet& right = fanShots[1][0][c.slot];
        EXPECT_NEAR(degreesOf(left.x - 300.0f, left.y - 400.0f), c.degrees, 0.01);
        EXPECT_NEAR(std::hypot(left.x - 300.0f, left.y - 400.0f), 16.0, 1e-3);
        EXPECT_EQ(right.x - 300.0f, 300.0f - left.x);
        EXPECT_EQ(right.y, left.y);
    }
    EXPECT_EQ(fanShots[0][0][18].x, 316.0f);
    EXPECT_EQ(fanShots[1][0][18].x, 284.0f);
    EXPECT_EQ(fanShots[0][0][18].y, 400.0f);
}

TEST_F(FanShotTest, ColourFollowsTheOwningEnemy) {
    const struct {
        int enemy;
        std::uint32_t rgb;
    } cases[] = {{8, 0xFFF000}, {9, 0x00FFFF}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "enemy " << c.enemy);
        resetGame();
        placeEnemy(c.enemy, 300.0f, 400.0f);
        updateFanShots(&target);
        const std::vector<GlowLine> lines = takeGlowLines();
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].rgb, c.rgb);
        EXPECT_EQ(lines[1].rgb, c.rgb);
    }
}

}  // namespace
