// Wide (UTF-32) strings to the UTF-8 that SDL and the terminal expect.
#pragma once

#include <string>

// Code points that are not valid Unicode scalar values become U+FFFD.
std::string toUtf8(const wchar_t* text);
