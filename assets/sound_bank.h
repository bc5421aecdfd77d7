// The sound bank: one ready-built player per sound file, kept under a short
// alias. Playing an alias cuts it off and restarts it from the beginning;
// different aliases play at the same time. Everything here runs on the UI thread.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "platform/media.h"
#include "platform/window.h"

// The private message through which a looping sound reports its end.
inline constexpr std::uint32_t WM_GRAPH_EVENT = 0xA70F;

// One loaded file: its graph and the graph's interfaces, each owned once here.
struct SoundEntry {
    GraphBuilder* graph = nullptr;
    MediaControl* control = nullptr;
    MediaSeeking* seeking = nullptr;
    MediaEventEx* events = nullptr;  // present only while looping notifications are attached
};

// Aliases compare as exact, case-sensitive code sequences in ascending order.
// std::less<> finds a string_view alias without building a string, so playing
// allocates nothing. An entry keeps its address while it is in the bank, since
// notifications carry it.
using SoundBank = std::map<std::wstring, SoundEntry, std::less<>>;

extern SoundBank soundBank;

// The bank's share of the UI thread's COM initialisations; soundShutdown balances it.
bool soundInit();

// Decodes the file and keeps it under alias. Throws the integer -1 when the
// file cannot be loaded or the alias is taken (the first entry then stays).
void soundLoad(const wchar_t* path, std::wstring_view alias);

// Runs the alias from its current position; loop 1 with a window attaches
// end-of-stream notifications to it, loop 0 detaches them. Unknown aliases are ignored.
void soundPlay(std::wstring_view alias, int loop, WindowHandle window);

// Stops the alias and rewinds it. Unknown aliases are ignored.
void soundStop(std::wstring_view alias);

// Stops and rewinds the alias, then plays it once (loop 0) or looping (loop 1,
// with notifications to window). Unknown aliases are ignored.
void soundReplay(std::wstring_view alias, int loop, WindowHandle window);

// WM_GRAPH_EVENT from the window procedure: lParam is the entry's address.
// A finished looping sound starts again from its beginning.
void onGraphEvent(LParam entryAddress);

// Stops and releases every entry in ascending alias order, empties the bank
// and balances soundInit.
void soundShutdown();
