// The sound bank on the real media backend, listened to through SDL's disk
// audio driver: what a replay sounds like, two aliases at once, and a looping
// sound driven by its notifications.
#include <gtest/gtest.h>

#include <thread>

#include "assets/sound_bank.h"
#include "tests/media/audio_capture.h"
#include "tests/media/window_double.h"

namespace {

using namespace std::chrono_literals;

const std::filesystem::path kFixtures = SKYRAIL_MEDIA_FIXTURES;

// Two 0.4 s tones at half full scale, "a" at 440 Hz and "b" at 1500 Hz.
class SoundPlaybackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.copy(kFixtures / "tone_440.mp3", "sound/a.mp3");
        dir.copy(kFixtures / "tone_1500.mp3", "sound/b.mp3");
        soundInit();
        soundLoad(L"sound\\a.mp3", L"a");
        soundLoad(L"sound\\b.mp3", L"b");
    }
    void TearDown() override {
        if (!soundBank.empty()) soundShutdown();
    }

    // Closes the output and reads what it played.
    std::vector<std::int16_t> listen(std::chrono::milliseconds after) {
        std::this_thread::sleep_for(after);
        soundShutdown();
        return capture.samples();
    }

    ScratchDir dir;
    CurrentDirectory here{dir.path()};
    AudioCapture capture;
};

TEST_F(SoundPlaybackTest, TwoAliasesSoundTogether) {
    soundReplay(L"a", 0, nullptr);
    soundReplay(L"b", 0, nullptr);
    const std::vector<std::int16_t> samples = listen(700ms);
    const ToneSpan a = findTone(samples, 440);
    const ToneSpan b = findTone(samples, 1500);
    EXPECT_NEAR(a.windows, 40, 8);
    EXPECT_NEAR(b.windows, 40, 8);
    EXPECT_NEAR(a.first, b.first, 3);
}

TEST_F(SoundPlaybackTest, UnknownAliasesStaySilent) {
    soundReplay(L"A", 0, nullptr);
    soundReplay(L"c", 0, nullptr);
    EXPECT_LT(peakAmplitude(listen(300ms)), 100);
}

// Two replays in one frame, and one in the middle of the tone: either way a
// single tone plays from the second start, never two over each other.
class ReplayTest : public SoundPlaybackTest,
                   public ::testing::WithParamInterface<std::chrono::milliseconds> {};

TEST_P(ReplayTest, ReplayCutsTheAliasOffAndRestartsIt) {
    soundReplay(L"a", 0, nullptr);
    std::this_thread::sleep_for(GetParam());
    soundReplay(L"a", 0, nullptr);
    const std::vector<std::int16_t> samples = listen(700ms);
    // Heard from the first start to a whole tone after the second. A busy
    // machine may write less of the gap than the wall clock saw, never more.
    const double gap = GetParam().count() / 1000.0;
    const double span = findTone(samples, 440).seconds();
    EXPECT_GE(span, 0.4 + gap / 2 - 0.04);
    EXPECT_LE(span, 0.4 + gap + 0.08);
    EXPECT_LT(peakAmplitude(samples), 24000);  // one tone peaks near 16400
}

INSTANTIATE_TEST_SUITE_P(Gaps, ReplayTest, ::testing::Values(0ms, 200ms));

TEST_F(SoundPlaybackTest, LoopingSoundRestartsAtEachEndUntilDetached) {
    soundReplay(L"a", 1, testWindow());
    const LParam entry = reinterpret_cast<LParam>(&soundBank.find(L"a")->second);
    for (int end = 0; end < 2; ++end) {
        const std::optional<PostedMessage> message = takePostedMessage(3s);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->window, testWindow());
        EXPECT_EQ(message->message, WM_GRAPH_EVENT);
        EXPECT_EQ(message->lParam, entry);
        if (end == 0) onGraphEvent(message->lParam);
    }
    // Detached with the second end's notification still unhandled: it is ignored.
    soundPlay(L"a", 0, nullptr);
    onGraphEvent(entry);
    EXPECT_FALSE(takePostedMessage(700ms).has_value());
    EXPECT_NEAR(findTone(listen(0ms), 440).windows, 80, 12);
}

}  // namespace
