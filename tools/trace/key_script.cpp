#include "tools/trace/key_script.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/input.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Printable characters as they are, anything else as a byte code, so the message stays one line.
std::string describe(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 32 && byte < 127) return std::string("'") + c + "'";
    char code[16];
    std::snprintf(code, sizeof code, "byte 0x%02x", byte);
    return code;
}

// At most 24 characters, control bytes and non-ASCII shown as '?', to keep the message one line.
std::string printable(std::string_view word) {
    std::string shown;
    for (const char c : word.substr(0, 24)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte > 32 && byte < 127 ? c : '?';
    }
    if (word.size() > 24) shown += "...";
    return shown;
}

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view takeWord(std::string_view& text) {
    std::size_t n = 0;
    while (n < text.size() && !isBlank(text[n])) ++n;
    const std::string_view word = text.substr(0, n);
    text.remove_prefix(n);
    return word;
}

bool parseKeys(std::string_view word, std::uint8_t& keys, std::string& fault) {
    keys = 0;
    if (word == "-") return true;
    for (const char c : word) {
        std::uint8_t bit = 0;
        for (const KeyLetter& k : kKeyLetters) {
            if (k.letter == c) bit = k.bit;
        }
        if (bit == 0) {
            fault = "unknown key " + describe(c) + " (keys are L U R D S, or - for none)";
            return false;
        }
        if ((keys & bit) != 0) {
            fault = "key " + describe(c) + " given twice";
            return false;
        }
        keys |= bit;
    }
    return true;
}

bool parseLine(std::string_view line, std::uint32_t previousFrame, bool first,
               KeyScriptLine& parsed, std::string& fault) {
    std::string_view rest = line;
    const std::string_view frameWord = takeWord(rest);
    if (!parseFrameNumber(frameWord, parsed.frame)) {
        fault =
            "bad frame number '" + printable(frameWord) + "' (a whole number from 0 to 4294967295)";
        return false;
    }
    if (!first && parsed.frame <= previousFrame) {
        fault = "frame " + std::to_string(parsed.frame) + " does not come after frame " +
                std::to_string(previousFrame);
        return false;
    }
    rest = skipBlanks(rest);
    if (rest.empty()) {
        fault = "frame " + std::to_string(parsed.frame) + " has no keys (use - for none)";
        return false;
    }
    if (!parseKeys(takeWord(rest), parsed.keys, fault)) return false;
    rest = skipBlanks(rest);
    if (!rest.empty()) {
        fault = "unexpected " + describe(rest.front()) + " after the keys";
        return false;
    }
    return true;
}

}  // namespace

bool parseFrameNumber(std::string_view text, std::uint32_t& frame) {
    if (text.empty() || text.size() > 10) return false;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > UINT32_MAX) return false;
    frame = static_cast<std::uint32_t>(value);
    return true;
}

bool parseKeyScript(std::string_view text, KeyScript& script, std::string& error) {
    script.lines.clear();
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = skipBlanks(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;

        KeyScriptLine parsed{};
        std::string fault;
        const bool first = script.lines.empty();
        if (!parseLine(line, first ? 0 : script.lines.back().frame, first, parsed, fault)) {
            error = "line " + std::to_string(lineNumber) + ": " + fault;
            script.lines.clear();
            return false;
        }
        script.lines.push_back(parsed);
    }
    return true;
}

bool readKeyScript(const std::string& path, KeyScript& script, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = "cannot open key script '" + path + "': " + std::strerror(errno);
        return false;
    }
    std::string text;
    char chunk[65536];
    std::size_t n;
    while (text.size() <= kMaxKeyScriptBytes &&
           (n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, n);
    }
    const bool readFailed = std::ferror(file) != 0;
    const int readErrno = errno;
    std::fclose(file);
    if (readFailed) {
        error = "cannot read key script '" + path + "': " + std::strerror(readErrno);
        return false;
    }
    if (text.size() > kMaxKeyScriptBytes) {
        error = "key script '" + path + "' is larger than 16 MiB";
        return false;
    }
    if (!parseKeyScript(text, script, error)) {
        error = "key script '" + path + "', " + error;
        return false;
    }
    return true;
}

void KeyScriptPlayer::feed(std::uint32_t frame) {
    std::uint8_t wanted = held_;
    while (next_ < script_.lines.size() && script_.lines[next_].frame <= frame) {
        wanted = script_.lines[next_++].keys;
    }
    // Releases first, then presses, each through the same handling as the window messages.
    for (const KeyLetter& k : kKeyLetters) {
        if ((held_ & k.bit) != 0 && (wanted & k.bit) == 0) onKeyUp(k.virtualKey);
    }
    for (const KeyLetter& k : kKeyLetters) {
        if ((held_ & k.bit) == 0 && (wanted & k.bit) != 0) onKeyDown(k.virtualKey);
    }
    held_ = wanted;
}
