// Wide (UTF-32) text to the UTF-8 that files, SDL, Pango and the terminal expect.
#pragma once

#include <string>
#include <string_view>

// Code points that are no Unicode scalar value (surrogates, beyond U+10FFFF) become U+FFFD.
inline void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

inline std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (const wchar_t c : text) appendUtf8(out, static_cast<char32_t>(c));
    return out;
}

// A null string is empty.
inline std::string toUtf8(const wchar_t* text) {
    return text != nullptr ? toUtf8(std::wstring_view(text)) : std::string();
}
