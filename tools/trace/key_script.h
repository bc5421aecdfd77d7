// Key scripts: which keys are held from which frame on, for running the game
// without a keyboard. A script is lines of "<frame> <keys>", frames strictly
// increasing, keys any of L U R D S (the arrows and the space bar) or "-" for
// none; blank lines and lines starting with '#' are ignored.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/input.h"

// The held keys as a set of bits, one per key letter.
enum KeyBit : std::uint8_t {
    kKeyLeft = 1,
    kKeyUp = 2,
    kKeyRight = 4,
    kKeyDown = 8,
    kKeySpace = 16,
};

// The letters of a key script, their bits and the keys they hold.
struct KeyLetter {
    char letter;
    std::uint8_t bit;
    int virtualKey;
};
inline constexpr KeyLetter kKeyLetters[] = {
    {'L', kKeyLeft, VK_LEFT}, {'U', kKeyUp, VK_UP},       {'R', kKeyRight, VK_RIGHT},
    {'D', kKeyDown, VK_DOWN}, {'S', kKeySpace, VK_SPACE},
};

struct KeyScriptLine {
    std::uint32_t frame;
    std::uint8_t keys;  // KeyBit set held from this frame on
};

struct KeyScript {
    std::vector<KeyScriptLine> lines;
};

// A frame number: decimal digits only, no sign, at most 4294967295.
bool parseFrameNumber(std::string_view text, std::uint32_t& frame);

// On failure returns false and sets error to one line naming the line and the fault.
bool parseKeyScript(std::string_view text, KeyScript& script, std::string& error);
// Files larger than this are refused rather than read without end (a device, a pipe).
inline constexpr std::size_t kMaxKeyScriptBytes = 16u << 20;
bool readKeyScript(const std::string& path, KeyScript& script, std::string& error);

// Plays a script into the key tables through onKeyDown / onKeyUp, as the window
// messages would. Call feed for every frame, in order, before the frame runs.
class KeyScriptPlayer {
  public:
    explicit KeyScriptPlayer(const KeyScript& script) : script_(script) {}
    void feed(std::uint32_t frame);

  private:
    const KeyScript& script_;
    std::size_t next_ = 0;
    std::uint8_t held_ = 0;
};
