// The sound bank: one ready-built player per sound file, kept under a short
// alias. Playing an alias cuts it off and restarts it from the beginning;
// different aliases play at the same time.
#pragma once

#include <string_view>

#include "platform/window.h"

// The private message through which a looping sound reports its end.
inline constexpr std::uint32_t WM_GRAPH_EVENT = 0xA70F;

// Stops and rewinds the alias, then plays it once (loop 0) or looping (loop 1,
// with notifications to window). Unknown aliases are ignored.
void soundReplay(std::wstring_view alias, int loop, WindowHandle window);
