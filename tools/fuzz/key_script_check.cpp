#include <string_view>

#include "app/input.h"
#include "tools/fuzz/fuzz_checks.h"
#include "tools/trace/key_script.h"

namespace {

constexpr std::uint8_t kAllKeys = kKeyLeft | kKeyUp | kKeyRight | kKeyDown | kKeySpace;

// The script as its author could have written it, one line per entry.
std::string writeScript(const KeyScript& script) {
    std::string text;
    for (const KeyScriptLine& line : script.lines) {
        text += std::to_string(line.frame) + ' ';
        if (line.keys == 0) text += '-';
        for (const KeyLetter& k : kKeyLetters) {
            if ((line.keys & k.bit) != 0) text += k.letter;
        }
        text += '\n';
    }
    return text;
}

bool sameLines(const KeyScript& a, const KeyScript& b) {
    if (a.lines.size() != b.lines.size()) return false;
    for (std::size_t i = 0; i < a.lines.size(); ++i) {
        if (a.lines[i].frame != b.lines[i].frame || a.lines[i].keys != b.lines[i].keys) {
            return false;
        }
    }
    return true;
}

std::string checkRejected(const KeyScript& script, const std::string& error) {
    if (error.rfind("line ", 0) != 0 || error.find('\n') != std::string::npos) {
        return "rejected without one line naming the line: " + error.substr(0, 80);
    }
    if (!script.lines.empty()) return "rejected, but lines were kept";
    return {};
}

std::string checkAccepted(const KeyScript& script) {
    for (std::size_t i = 0; i < script.lines.size(); ++i) {
        if ((script.lines[i].keys & ~kAllKeys) != 0) return "a line holds an unknown key";
        if (i > 0 && script.lines[i].frame <= script.lines[i - 1].frame) {
            return "frames not strictly increasing";
        }
    }
    KeyScript again;
    std::string error;
    if (!parseKeyScript(writeScript(script), again, error) || !sameLines(script, again)) {
        return "the script written back out does not parse to the same lines";
    }
    // Played into the key tables, exactly each line's keys are down from its frame on.
    for (const KeyLetter& k : kKeyLetters) onKeyUp(k.virtualKey);
    KeyScriptPlayer player(script);
    for (const KeyScriptLine& line : script.lines) {
        player.feed(line.frame);
        for (const KeyLetter& k : kKeyLetters) {
            if ((keyDown[k.virtualKey] != 0) != ((line.keys & k.bit) != 0)) {
                return "the key tables do not hold frame " + std::to_string(line.frame) + "'s keys";
            }
        }
    }
    return {};
}

}  // namespace

FuzzOutcome checkKeyScript(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    KeyScript script;
    std::string error;
    FuzzOutcome outcome;
    outcome.accepted = parseKeyScript(text, script, error);
    outcome.fault = outcome.accepted ? checkAccepted(script) : checkRejected(script, error);
    return outcome;
}
