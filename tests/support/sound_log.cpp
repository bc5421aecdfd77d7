#include "tests/support/sound_log.h"

#include "assets/sound_bank.h"

std::vector<std::wstring> soundLog;

void soundReplay(std::wstring_view alias, int, WindowHandle) { soundLog.emplace_back(alias); }
