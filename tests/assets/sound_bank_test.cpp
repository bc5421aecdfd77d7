// The sound bank's calls into the media layer, against a backend that only
// writes them down: what a load, a replay, a looping play, a notification and
// the shutdown ask of each graph, and in which order.
#include "assets/sound_bank.h"

#include <gtest/gtest.h>

#include "platform/com.h"
#include "tests/assets/fake_media.h"

namespace {

using Calls = std::vector<std::string>;

class SoundBankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetFakeMedia();
        soundInit();
    }
    void TearDown() override {
        if (comInitCount() > 0) soundShutdown();
    }

    // The calls made since the last look.
    Calls takeCalls() {
        Calls calls;
        calls.swap(mediaCalls);
        return calls;
    }

    static std::string address(std::wstring_view alias) {
        return std::to_string(reinterpret_cast<LParam>(&soundBank.find(alias)->second));
    }
};

// The integer a loader threw, or 0 when it returned.
template <class Load>
int thrownBy(Load load) {
    try {
        load();
    } catch (int code) {
        return code;
    }
    return 0;
}

TEST_F(SoundBankTest, ShutdownReleasesInAscendingAliasOrderAndBalancesInit) {
    const struct {
        const wchar_t* path;
        const wchar_t* alias;
    } files[] = {
        {L"sound\\bgm01.mp3", L"bgm001"}, {L"sound\\bgm02.mp3", L"bgm002"},
        {L"sound\\bgm03.mp3", L"bgm003"}, {L"sound\\bom2.mp3", L"hit"},
        {L"sound\\SHOT.mp3", L"pow"},     {L"sound\\Loc2.mp3", L"loc"},
    };
    for (const auto& file : files) soundLoad(file.path, file.alias);
    soundPlay(L"loc", 1, reinterpret_cast<WindowHandle>(0x5EED));
    takeCalls();

    soundShutdown();
    Calls expected;
    for (const char* file :
         {"bgm01.mp3", "bgm02.mp3", "bgm03.mp3", "bom2.mp3", "Loc2.mp3", "SHOT.mp3"}) {
        const std::string name = file;
        for (const char* step :
             {"stop ", "release control ", "release graph ", "release seeking "}) {
            expected.push_back(step + name);
        }
        if (name == "Loc2.mp3") {
            expected.push_back("notify Loc2.mp3 none 0 0");
            expected.push_back("release events Loc2.mp3");
        }
    }
    EXPECT_EQ(takeCalls(), expected);
    EXPECT_TRUE(soundBank.empty());
    EXPECT_EQ(comInitCount(), 0);
}

TEST_F(SoundBankTest, LoadFailuresThrowAndKeepTheBankAsItWas) {
    soundLoad(L"sound\\a.mp3", L"hit");
    takeCalls();

    EXPECT_EQ(thrownBy([] { soundLoad(L"sound\\b.mp3", L"hit"); }), -1);
    EXPECT_EQ(takeCalls(), (Calls{"render b.mp3", "release seeking b.mp3", "release control b.mp3",
                                  "release graph b.mp3"}));
    EXPECT_EQ(thrownBy([] { soundLoad(L"sound\\bad.mp3", L"other"); }), -1);
    EXPECT_EQ(takeCalls(), (Calls{"render bad.mp3", "release graph bad.mp3"}));
    EXPECT_EQ(soundBank.size(), 1u);

    soundReplay(L"hit", 0, nullptr);
    EXPECT_EQ(takeCalls(), (Calls{"stop a.mp3", "seek a.mp3 0", "run a.mp3"}));
}

TEST_F(SoundBankTest, ReplayTouchesOnlyAKnownAliasWithTheExactName) {
    soundLoad(L"sound\\a.mp3", L"hit");
    soundLoad(L"sound\\b.mp3", L"loc");
    takeCalls();

    soundReplay(L"Hit", 0, nullptr);
    soundReplay(L"hit ", 0, nullptr);
    soundPlay(L"bgm001", 0, nullptr);
    soundStop(L"");
    EXPECT_TRUE(takeCalls().empty());

    soundReplay(L"loc", 0, nullptr);
    EXPECT_EQ(takeCalls(), (Calls{"stop b.mp3", "seek b.mp3 0", "run b.mp3"}));
}

TEST_F(SoundBankTest, LoopingAttachesNotificationsOnceAndAPlainPlayDetachesThem) {
    soundLoad(L"sound\\a.mp3", L"hit");
    takeCalls();
    const WindowHandle window = reinterpret_cast<WindowHandle>(0x5EED);

    soundPlay(L"hit", 1, nullptr);  // no window: nothing to attach
    soundPlay(L"hit", 1, window);
    soundPlay(L"hit", 1, window);
    EXPECT_EQ(takeCalls(),
              (Calls{"run a.mp3", "query events a.mp3",
                     "notify a.mp3 window 42767 " + address(L"hit"), "run a.mp3", "run a.mp3"}));

    soundReplay(L"hit", 0, window);
    EXPECT_EQ(takeCalls(), (Calls{"stop a.mp3", "seek a.mp3 0", "notify a.mp3 none 0 0",
                                  "release events a.mp3", "run a.mp3"}));
}

TEST_F(SoundBankTest, GraphEventRestartsOnCompletionAndIgnoresDetachedEntries) {
    soundLoad(L"sound\\a.mp3", L"hit");
    soundPlay(L"hit", 1, reinterpret_cast<WindowHandle>(0x5EED));
    const LParam entry = reinterpret_cast<LParam>(&soundBank.find(L"hit")->second);
    takeCalls();

    // Every queued event is taken and freed; only completion rewinds and runs.
    queueMediaEvent("a.mp3", 3);
    queueMediaEvent("a.mp3", EC_COMPLETE);
    onGraphEvent(entry);
    EXPECT_EQ(takeCalls(), (Calls{"event a.mp3 3", "free a.mp3 3", "event a.mp3 1", "free a.mp3 1",
                                  "seek a.mp3 0", "run a.mp3"}));

    onGraphEvent(0);
    onGraphEvent(entry + 8);  // no entry lives there
    EXPECT_TRUE(takeCalls().empty());

    // A notification still queued when the entry was detached finds no events interface.
    soundPlay(L"hit", 0, nullptr);
    takeCalls();
    queueMediaEvent("a.mp3", EC_COMPLETE);
    onGraphEvent(entry);
    EXPECT_TRUE(takeCalls().empty());
}

}  // namespace
