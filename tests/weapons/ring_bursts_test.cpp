#include <cmath>

#include "tests/weapons/weapon_fixture.h"

namespace {

using RingBurstTest = WeaponTest;

struct BandCase {
    std::int32_t hp;
    float y;
    bool launches;
};

TEST_F(RingBurstTest, LaunchesOnlyWhileActiveInsideTheBand) {
    const BandCase cases[] = {
        {1, 150.0f, true},  {1, 200.0f, true},  {1, 149.9f, false},
        {1, 200.1f, false}, {0, 170.0f, false},
    };
    for (const BandCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "hp " << c.hp << " y " << c.y);
        resetGame();
        placeEnemy(0, 300.0f, c.y, c.hp);
        updateRingBursts(&target);
        EXPECT_EQ(takeGlowLines().size(), c.launches ? 3u * kRingSlots : 0u);
        for (int f = 0; f < 3; ++f) {
            EXPECT_EQ(ringBursts[f][0][35].active, c.launches ? 1.0f : 0.0f);
        }
    }
}

TEST_F(RingBurstTest, OnlyEnemiesFromNineFireTheUpperFamilies) {
    const struct {
        int enemy;
        std::size_t dots;
    } cases[] = {
        {0, 3 * kRingSlots}, {8, 3 * kRingSlots}, {9, 9 * kRingSlots}, {47, 9 * kRingSlots}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "enemy " << c.enemy);
        resetGame();
        placeEnemy(c.enemy, 300.0f, 170.0f);
        updateRingBursts(&target);
        EXPECT_EQ(takeGlowLines().size(), c.dots);
        if (c.enemy < 9) {
            for (int f = 3; f < kRingFamilyCount; ++f) {
                EXPECT_EQ(ringBursts[f][c.enemy][0].x, kParkX);
                EXPECT_EQ(ringBursts[f][c.enemy][0].active, 0.0f);
            }
        }
    }
}

TEST_F(RingBurstTest, DrawsSlotByFamilyFromTheThreeLaunchPoints) {
    placeEnemy(9, 300.0f, 170.0f);
    updateRingBursts(&target);
    const std::vector<GlowLine> lines = takeGlowLines();
    ASSERT_EQ(lines.size(), 9u * kRingSlots);
    const struct {
        PointF from;
        std::uint32_t rgb;
    } slot0[] = {
        {{300, 230}, 0xF000FF}, {{300, 230}, 0xF00FFF}, {{300, 230}, 0xF000FF},
        {{240, 110}, 0xFFFF00}, {{240, 110}, 0xFFFF00}, {{240, 110}, 0xFFFF00},
        {{360, 110}, 0xFFFF00}, {{360, 110}, 0xFFFF00}, {{360, 110}, 0xFFFF00},
    };
    for (int f = 0; f < kRingFamilyCount; ++f) {
        SCOPED_TRACE(testing::Message() << "family " << f + 1);
        EXPECT_EQ(lines[f].from, slot0[f].from);
        EXPECT_EQ(lines[f].to, (PointF{slot0[f].from.x + 1.0f, slot0[f].from.y + 1.0f}));
        EXPECT_EQ(lines[f].rgb, slot0[f].rgb);
    }
    // Slot 1 follows all nine families of slot 0.
    EXPECT_EQ(lines[9].from, (PointF{300, 230}));
}

// The angle is (36 - j) x 10 radians: slot 0 at 360 rad heads down and a little
// left, slot 18 at 180 rad up and left; families 1..3 share the ray at 6, 8, 10.
TEST_F(RingBurstTest, FirstMoveUsesTheSlotAngleInRadians) {
    placeEnemy(0, 300.0f, 170.0f);
    updateRingBursts(&target);
    const struct {
        int family;
        int slot;
        double angle;
        double speed;
    } cases[] = {
        {1, 0, 360.0, 6.0}, {1, 18, 180.0, 6.0}, {2, 18, 180.0, 8.0}, {3, 18, 180.0, 10.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "family " << c.family << " slot " << c.slot);
        const EnemyBullet& dot = ringBursts[c.family - 1][0][c.slot];
        EXPECT_EQ(dot.x, 300.0f + static_cast<float>(std::cos(c.angle) * c.speed));
        EXPECT_EQ(dot.y, 230.0f + static_cast<float>(std::sin(c.angle) * c.speed));
    }
    EXPECT_LT(ringBursts[0][0][0].x, 300.0f);
    EXPECT_GT(ringBursts[0][0][0].y, 230.0f);
    EXPECT_LT(ringBursts[0][0][18].x, 300.0f);
    EXPECT_LT(ringBursts[0][0][18].y, 230.0f);
}

// Finds a start from which one step lands exactly on the bound, and the
// nearest start whose step stays one float short of it.
struct BoundStarts {
    float onBound;
    float short_;
};

BoundStarts findBoundStarts(float bound, float step) {
    float start = bound - step;
    for (int k = 0; k < 8 && start + step != bound; ++k) {
        start = std::nextafter(start, start + step < bound ? 1e9f : -1e9f);
    }
    EXPECT_EQ(start + step, bound);
    float before = start;
    while (before + step == bound) before = std::nextafter(before, step > 0 ? -1e9f : 1e9f);
    return {start, before};
}

TEST_F(RingBurstTest, RetiresInTheFrameItReachesAFieldBound) {
    // Family 1 slots: 34 moves right and down, 18 up and left, 0 left and down.
    const struct {
        int slot;
        bool onX;
        float bound;
    } cases[] = {
        {34, true, 1000.0f}, {0, true, -400.0f}, {18, false, -400.0f}, {0, false, 1168.0f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "slot " << c.slot << (c.onX ? " x " : " y ") << c.bound);
        const double a = (36 - c.slot) * 10;
        const float step = static_cast<float>((c.onX ? std::cos(a) : std::sin(a)) * 6.0);
        const BoundStarts starts = findBoundStarts(c.bound, step);
        for (const bool reaches : {true, false}) {
            resetGame();
            const float start = reaches ? starts.onBound : starts.short_;
            EnemyBullet& dot = ringBursts[0][0][c.slot];
            dot = {c.onX ? start : 300.0f, c.onX ? 500.0f : start, 1.0f};
            updateRingBursts(&target);
            EXPECT_EQ(takeGlowLines().size(), 1u);
            EXPECT_EQ(dot.active, reaches ? 0.0f : 1.0f);
            if (reaches) {
                EXPECT_EQ(dot.y, kParkY);
            }
        }
    }
}

TEST_F(RingBurstTest, ReenteringTheBandRelaunchesOnlyRetiredSlots) {
    placeEnemy(0, 300.0f, 170.0f);
    updateRingBursts(&target);
    const EnemyBullet stillFlying = ringBursts[0][0][6];
    ringBursts[0][0][5] = {kParkX, kParkY, 0.0f};  // as if it had left the field
    takeGlowLines();

    updateRingBursts(&target);
    std::size_t atLaunchPoint = 0;
    for (const GlowLine& line : takeGlowLines()) {
        if (line.from == PointF{300, 230}) ++atLaunchPoint;
    }
    EXPECT_EQ(atLaunchPoint, 1u);
    EXPECT_EQ(ringBursts[0][0][5].x, 300.0f + static_cast<float>(std::cos(310.0) * 6.0));
    EXPECT_NE(ringBursts[0][0][6].x, stillFlying.x);
    EXPECT_EQ(ringBursts[0][0][6].active, 1.0f);
}

TEST_F(RingBurstTest, DotsFlyOnAfterTheirEnemyIsGone) {
    placeEnemy(0, 300.0f, 170.0f);
    updateRingBursts(&target);
    enemies[0].hp = 0;
    takeGlowLines();
    updateRingBursts(&target);
    EXPECT_EQ(takeGlowLines().size(), 3u * kRingSlots);
}

}  // namespace
