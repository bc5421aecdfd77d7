#include "tools/trace/key_script.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "app/input.h"

namespace {

TEST(KeyScript, ReadsFramesAndKeysSkippingBlankAndCommentLines) {
    KeyScript script;
    std::string error;
    ASSERT_TRUE(
        parseKeyScript("# frame keys\n\n10 LS\n12\tL\r\n  14 SRUD\n30 -\n# end", script, error))
        << error;
    ASSERT_EQ(script.lines.size(), 4u);
    const KeyScriptLine expected[] = {{10, kKeyLeft | kKeySpace},
                                      {12, kKeyLeft},
                                      {14, kKeySpace | kKeyRight | kKeyUp | kKeyDown},
                                      {30, 0}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(script.lines[i].frame, expected[i].frame);
        EXPECT_EQ(script.lines[i].keys, expected[i].keys);
    }
    ASSERT_TRUE(parseKeyScript("", script, error));
    EXPECT_TRUE(script.lines.empty());
    ASSERT_TRUE(parseKeyScript("0 L\n4294967295 -", script, error)) << error;
    EXPECT_EQ(script.lines[1].frame, 4294967295u);
}

struct BadScript {
    std::string text;
    std::string fault;  // expected part of the message
};

TEST(KeyScript, MalformedScriptsAreRejectedWithTheLineAndTheFault) {
    const BadScript cases[] = {
        {"10 X", "line 1: unknown key 'X'"},
        {"10 l", "unknown key 'l'"},
        {"10 LL", "key 'L' given twice"},
        {"10 -L", "unknown key '-'"},
        {"10 L-", "unknown key '-'"},
        {"10", "line 1: frame 10 has no keys"},
        {"10   ", "has no keys"},
        {"10 L junk", "unexpected 'j' after the keys"},
        {"10 L # note", "unexpected '#' after the keys"},
        {"abc L", "bad frame number 'abc'"},
        {"-5 L", "bad frame number '-5'"},
        {"+5 L", "bad frame number '+5'"},
        {"4294967296 L", "bad frame number '4294967296'"},
        {"99999999999999999999 L", "bad frame number"},
        {"10 L\n5 R", "line 2: frame 5 does not come after frame 10"},
        {"# c\n10 L\n\n10 R", "line 4: frame 10 does not come after frame 10"},
        {std::string("10 L\x00", 5), "unknown key byte 0x00"},
        {std::string("10 L \x00", 6), "unexpected byte 0x00 after the keys"},
        {std::string("1\x00 L", 5), "bad frame number '1?'"},
        {"10 \xc3\xa9", "unknown key byte 0xc3"},
    };
    for (const BadScript& c : cases) {
        KeyScript script;
        std::string error;
        EXPECT_FALSE(parseKeyScript(c.text, script, error)) << c.text;
        EXPECT_NE(error.find(c.fault), std::string::npos) << "got: " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_TRUE(script.lines.empty());
    }
}

TEST(KeyScript, RandomInputNeverCrashesAndErrorsStayOnOneLine) {
    std::mt19937 random(5);
    const char alphabet[] = "0123456789 LURDS-#\n\t\rx\xff";
    for (int round = 0; round < 20000; ++round) {
        std::string text(random() % 40, ' ');
        for (char& c : text) c = alphabet[random() % (sizeof alphabet - 1)];
        KeyScript script;
        std::string error;
        if (!parseKeyScript(text, script, error)) {
            ASSERT_FALSE(error.empty());
            ASSERT_EQ(error.find('\n'), std::string::npos) << error;
        }
    }
}

TEST(KeyScript, UnreadableOrEndlessFileIsAnError) {
    KeyScript script;
    std::string error;
    EXPECT_FALSE(readKeyScript("/nonexistent/keys.txt", script, error));
    EXPECT_NE(error.find("cannot open key script '/nonexistent/keys.txt'"), std::string::npos)
        << error;
    EXPECT_FALSE(readKeyScript("/", script, error));  // a directory opens but cannot be read
    EXPECT_NE(error.find("key script '/'"), std::string::npos) << error;
    EXPECT_FALSE(readKeyScript("/dev/zero", script, error));  // never ends
    EXPECT_NE(error.find("larger than 16 MiB"), std::string::npos) << error;
}

TEST(KeyScript, PlayerFeedsChangesThroughTheKeyHandlers) {
    std::memset(keyDown, 0, sizeof keyDown);
    std::memset(keyLatched, 0, sizeof keyLatched);
    KeyScript script;
    std::string error;
    ASSERT_TRUE(parseKeyScript("2 LS\n4 L\n5 LS\n7 -", script, error));
    KeyScriptPlayer player(script);

    // Per frame: left held, and whether the space bar fires a volley.
    const struct {
        bool left;
        bool fires;
    } frames[] = {{false, false}, {false, false}, {true, true},  {true, false},
                  {true, false},  {true, true},   {true, false}, {false, false}};
    for (std::uint32_t frame = 0; frame < 8; ++frame) {
        player.feed(frame);
        EXPECT_EQ(keyDown[VK_LEFT] == 1, frames[frame].left) << "frame " << frame;
        EXPECT_EQ(keyPressedOnce(VK_SPACE) == 1, frames[frame].fires) << "frame " << frame;
    }
}

}  // namespace
