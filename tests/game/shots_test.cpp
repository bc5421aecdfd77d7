#include "tests/game/game_fixture.h"

namespace {

using ShotsTest = GameTest;

int liveShots(int stream) {
    int n = 0;
    for (const Shot& s : shotStreams[stream]) n += s.alive >= 1 ? 1 : 0;
    return n;
}

TEST_F(ShotsTest, OneVolleyPerPressOfTheSpaceBar) {
    onKeyDown(VK_SPACE);
    for (int frame = 0; frame < 3; ++frame) fireVolley();
    for (int stream = 0; stream < kShotStreamCount; ++stream) EXPECT_EQ(liveShots(stream), 1);

    onKeyDown(VK_SPACE);  // auto-repeat does not fire again
    fireVolley();
    EXPECT_EQ(liveShots(0), 1);

    onKeyUp(VK_SPACE);
    fireVolley();
    onKeyDown(VK_SPACE);
    fireVolley();
    for (int stream = 0; stream < kShotStreamCount; ++stream) EXPECT_EQ(liveShots(stream), 2);
}

TEST_F(ShotsTest, VolleyTakesTheLowestFreeSlotOfEachStream) {
    // Per stream: slot 0 busy, then a slot spent by hits (alive below 0) counts as free.
    for (int stream = 0; stream < kShotStreamCount; ++stream) {
        shotStreams[stream][0] = {1, 0, 0};
        shotStreams[stream][1] = {stream == 2 ? 1 : -1, 0, 0};
    }
    playerX = 100.0f;
    playerY = 600.0f;
    onKeyDown(VK_SPACE);
    fireVolley();

    // The ship fires from its moved position, the pods from last frame's positions.
    const struct {
        int slot;
        float x, y;
    } expected[kShotStreamCount] = {
        {1, 100, 582}, {1, 250, 564}, {2, 350, 564}, {1, 200, 614}, {1, 400, 614},
    };
    for (int stream = 0; stream < kShotStreamCount; ++stream) {
        const Shot& s = shotStreams[stream][expected[stream].slot];
        EXPECT_EQ(s.alive, 1) << "stream " << stream;
        EXPECT_EQ(s.x, expected[stream].x) << "stream " << stream;
        EXPECT_EQ(s.y, expected[stream].y) << "stream " << stream;
    }
}

TEST_F(ShotsTest, FullStreamFiresNothingWhileTheOthersStillFire) {
    for (Shot& s : shotStreams[3]) s = {1, 0, 0};
    onKeyDown(VK_SPACE);
    fireVolley();
    EXPECT_EQ(liveShots(3), kShotsPerStream);
    EXPECT_EQ(liveShots(4), 1);
}

TEST_F(ShotsTest, BeamsAreDrawnBeforeTheMoveAndRetireOnlyBelowMinus32) {
    shotStreams[0][0] = {1, 100, -16};  // moves to -32: stays
    shotStreams[1][0] = {1, 200, -17};  // moves to -33: retires
    updateShots(&target, 0);
    updateShots(&target, 1);

    // Three glow passes per beam: two beams for the ship, one for a pod.
    ASSERT_EQ(target.ops.size(), 9u);
    const PointF ends[3][2] = {
        {{90, -56}, {90, -96}}, {{110, -56}, {110, -96}}, {{200, -57}, {200, -97}}};
    for (int beam = 0; beam < 3; ++beam) {
        const DrawOp& core = target.ops[beam * 3 + 2];
        EXPECT_EQ(core.from.x, ends[beam][0].x);
        EXPECT_EQ(core.from.y, ends[beam][0].y);
        EXPECT_EQ(core.to.y, ends[beam][1].y);
        EXPECT_EQ(core.color.g, 1.0f);
        EXPECT_EQ(core.color.r, 15.0f / 255.0f);
    }
    EXPECT_EQ(shotStreams[0][0].alive, 1);
    EXPECT_EQ(shotStreams[0][0].y, -32.0f);
    EXPECT_EQ(shotStreams[1][0].alive, 0);
}

struct HitCase {
    float dx, dy;  // shot minus enemy, after the shot's move
    int enemyHp;
    bool hits;
};

TEST_F(ShotsTest, ShotHitsAnActiveEnemyCloserThan30Pixels) {
    const HitCase cases[] = {
        {0, 0, 1, true},    {29, 0, 1, true},   {30, 0, 1, false},  // 900 does not hit
        {0, -30, 1, false}, {18, 24, 1, false}, {18, 23.9f, 1, true},
        {0, 0, 0, false},  // free slots are never hit
    };
    for (const HitCase& c : cases) {
        SetUp();
        enemies[5].hp = c.enemyHp;
        enemies[5].x = 300.0f;
        enemies[5].y = 200.0f;
        shotStreams[2][0] = {1, 300.0f + c.dx, 200.0f + c.dy + 16.0f};
        updateShots(&target, 2);

        const bool hit = kShotsHitEnemies && c.hits;
        SCOPED_TRACE(testing::Message() << "dx " << c.dx << " dy " << c.dy << " hp " << c.enemyHp);
        EXPECT_EQ(enemies[5].flash, hit ? 1.0f : 0.0f);
        EXPECT_EQ(shotStreams[2][0].alive, hit ? 0 : 1);
        EXPECT_EQ(soundLog.size(), hit ? 1u : 0u);
        EXPECT_EQ(explosions[0].framesLeft, hit ? 6u : 0u);
        if (hit) {
            EXPECT_EQ(soundLog[0], L"hit");
            EXPECT_EQ(explosions[0].x, 300.0f);
            EXPECT_EQ(explosions[0].y, 200.0f);
        }
        EXPECT_EQ(enemies[5].hp, c.enemyHp);  // a hit only marks the enemy
    }
}

TEST_F(ShotsTest, ShotOverlappingTwoEnemiesHitsBoth) {
    activateEnemy(7, 300.0f, 200.0f);
    activateEnemy(20, 310.0f, 205.0f);
    shotStreams[0][4] = {1, 305.0f, 218.0f};
    updateShots(&target, 0);
    if constexpr (kShotsHitEnemies) {
        EXPECT_EQ(enemies[7].flash, 1.0f);
        EXPECT_EQ(enemies[20].flash, 1.0f);
        EXPECT_EQ(soundLog, (std::vector<std::wstring>{L"hit", L"hit"}));
        EXPECT_EQ(explosions[0].x, 300.0f);
        EXPECT_EQ(explosions[1].x, 310.0f);
        EXPECT_EQ(shotStreams[0][4].alive, -1);  // spent twice, so free
    } else {
        EXPECT_EQ(enemies[7].flash, 0.0f);
        EXPECT_EQ(enemies[20].flash, 0.0f);
        EXPECT_TRUE(soundLog.empty());
        EXPECT_EQ(shotStreams[0][4].alive, 1);
    }
}

}  // namespace
