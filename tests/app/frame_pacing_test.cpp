#include "app/frame_pacing.h"

#include <gtest/gtest.h>

#include "app/main_window.h"

namespace {

struct Tick {
    std::uint32_t now;
    bool frame;
};

struct PacingCase {
    const char* name;
    std::uint32_t lastTickBefore;
    std::int32_t paused;
    std::vector<Tick> ticks;
};

const PacingCase kPacingCases[] = {
    {"first tick before start-up has set lastTick", 0, 0, {{123456, true}}},
    {"on time", 1000, 0, {{1033, true}, {1066, true}}},
    {"ten ms is enough, nine is not", 1000, 0, {{1010, true}, {1019, false}}},
    // Measured from the previous tick, not from the previous frame.
    {"close ticks after a frame",
     1000,
     0,
     {{1033, true}, {1038, false}, {1046, false}, {1080, true}}},
    {"wrap of the millisecond count", 0xFFFFFFF0u, 0, {{0x00000011u, true}, {0x00000014u, false}}},
    {"paused", 1000, 1, {{1033, false}, {1066, false}}},
};

TEST(FrameTimer, AsksForAFrameOnlyWhenDueAndActive) {
    for (const PacingCase& c : kPacingCases) {
        SCOPED_TRACE(c.name);
        lastTick = c.lastTickBefore;
        paused = c.paused;
        for (const Tick& tick : c.ticks) {
            SCOPED_TRACE(tick.now);
            EXPECT_EQ(takeFrameTick(tick.now), tick.frame);
            // Every tick moves lastTick, whether or not it asked for a frame.
            EXPECT_EQ(lastTick, tick.now);
        }
    }
    paused = 0;
}

}  // namespace
