// Filter graphs on SDL2_mixer: what RenderFile accepts, how the end of a
// stream is reported, and where Run resumes. Sound goes to SDL's dummy or disk
// driver, never to a speaker.
#include "platform/media.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "tests/media/audio_capture.h"
#include "tests/media/window_double.h"

namespace {

using namespace std::chrono_literals;

const std::filesystem::path kFixtures = SKYRAIL_MEDIA_FIXTURES;

// One graph with its interfaces, released together.
struct Graph {
    GraphBuilder* builder = nullptr;
    MediaControl* control = nullptr;
    MediaSeeking* seeking = nullptr;
    MediaEventEx* events = nullptr;

    HResult render(const wchar_t* path) {
        const HResult created = CreateFilterGraph(&builder);
        if (failed(created)) return created;
        const HResult rendered = builder->RenderFile(path, nullptr);
        builder->QueryControl(&control);
        builder->QuerySeeking(&seeking);
        builder->QueryEvents(&events);
        return rendered;
    }
    void rewind() {
        ReferenceTime start = 0;
        seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr,
                              AM_SEEKING_NoPositioning);
    }
    ~Graph() {
        for (PlatformObject* object :
             {static_cast<PlatformObject*>(events), static_cast<PlatformObject*>(seeking),
              static_cast<PlatformObject*>(control), static_cast<PlatformObject*>(builder)}) {
            if (object != nullptr) object->Release();
        }
    }
};

class MediaTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }

    ScratchDir dir;
    CurrentDirectory here{dir.path()};
};

TEST_F(MediaTest, RenderFileDecodesAudioAndRefusesTheRest) {
    const std::string tone = readBytes(kFixtures / "tone_440.mp3");
    struct Case {
        const char* name;
        std::string bytes;
        bool loads;
    };
    const Case cases[] = {
        {"mp3", tone, true},
        {"empty", "", false},
        {"text", "not a sound at all\n", false},
        {"zeros", std::string(4096, '\0'), false},
        {"png", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(200, 'x'), false},
        {"mp3 cut short", tone.substr(0, tone.size() * 6 / 10), false},
    };
    // With no sound output the files must be checked all the same.
    for (const char* driver : {"dummy", "no-such-driver"}) {
        setenv("SDL_AUDIODRIVER", driver, 1);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(driver) + ": " + c.name);
            dir.write("sound/file.mp3", c.bytes);
            Graph graph;
            EXPECT_EQ(succeeded(graph.render(L"sound\\file.mp3")), c.loads);
        }
        Graph missing;
        EXPECT_TRUE(failed(missing.render(L"sound\\missing.mp3")));
    }
}

TEST_F(MediaTest, PlayingToTheEndQueuesCompletionAndNotifiesTheWindow) {
    dir.copy(kFixtures / "tone_440.mp3", "tone.mp3");
    Graph graph;
    ASSERT_EQ(graph.render(L"tone.mp3"), S_OK);
    ASSERT_EQ(graph.events->SetNotifyWindow(testWindow(), 0x8001, 77), S_OK);
    graph.control->Run();

    const std::optional<PostedMessage> message = takePostedMessage(3s);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->window, testWindow());
    EXPECT_EQ(message->message, 0x8001u);
    EXPECT_EQ(message->lParam, 77);
    std::int32_t code = 0;
    LParam param1 = 0, param2 = 0;
    EXPECT_EQ(graph.events->GetEvent(&code, &param1, &param2, 0), S_OK);
    EXPECT_EQ(code, EC_COMPLETE);
    EXPECT_EQ(graph.events->GetEvent(&code, &param1, &param2, 0), E_ABORT);
}

TEST_F(MediaTest, StopIsNoEndAndANullWindowGetsNoMessage) {
    dir.copy(kFixtures / "tone_440.mp3", "tone.mp3");
    Graph graph;
    ASSERT_EQ(graph.render(L"tone.mp3"), S_OK);
    graph.events->SetNotifyWindow(testWindow(), 0x8001, 77);
    std::int32_t code = 0;
    LParam param1 = 0, param2 = 0;

    graph.control->Run();
    std::this_thread::sleep_for(100ms);
    graph.control->Stop();
    EXPECT_FALSE(takePostedMessage(600ms).has_value());
    EXPECT_EQ(graph.events->GetEvent(&code, &param1, &param2, 0), E_ABORT);

    graph.events->SetNotifyWindow(nullptr, 0, 0);
    graph.rewind();
    graph.control->Run();
    EXPECT_EQ(graph.events->GetEvent(&code, &param1, &param2, 3000), S_OK);
    EXPECT_EQ(code, EC_COMPLETE);
    EXPECT_FALSE(takePostedMessage(0ms).has_value());
}

TEST_F(MediaTest, RunAfterStopResumesWhereItStopped) {
    dir.copy(kFixtures / "tone_440.mp3", "tone.mp3");
    AudioCapture capture;
    {
        Graph graph;
        ASSERT_EQ(graph.render(L"tone.mp3"), S_OK);
        graph.control->Run();
        std::this_thread::sleep_for(200ms);
        graph.control->Stop();
        std::this_thread::sleep_for(150ms);
        graph.control->Run();
        std::int32_t code = 0;
        LParam param1 = 0, param2 = 0;
        ASSERT_EQ(graph.events->GetEvent(&code, &param1, &param2, 3000), S_OK);
    }
    // The 0.4 s tone is heard about 0.4 s in all, not 0.2 s more from a restart.
    EXPECT_NEAR(findTone(capture.samples(), 440).windows, 40, 8);
}

}  // namespace
