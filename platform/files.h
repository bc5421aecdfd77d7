// Reading the game's data files for the imaging and media backends. File names
// come as the game writes them ("images\back01.png": backslash separators,
// relative to the current directory).
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/utf8.h"

// The path the C library opens: UTF-8, with '/' for every backslash.
inline std::string nativeFilePath(const wchar_t* path) {
    std::string native = toUtf8(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

// The whole file, or false when it cannot be opened or read to its end. Files
// larger than any picture or sound of the game are refused rather than read.
inline bool readWholeFile(const wchar_t* path, std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kMaxFileBytes = std::size_t{1} << 28;
    std::FILE* file = std::fopen(nativeFilePath(path).c_str(), "rb");
    if (file == nullptr) return false;
    bytes.clear();
    std::uint8_t block[65536];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0 &&
           bytes.size() + got <= kMaxFileBytes) {
        bytes.insert(bytes.end(), block, block + got);
    }
    const bool complete = std::ferror(file) == 0 && std::feof(file) != 0;
    std::fclose(file);
    return complete;
}
