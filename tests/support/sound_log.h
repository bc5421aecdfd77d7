// A sound bank for tests: soundReplay only writes the alias down.
#pragma once

#include <string>
#include <vector>

extern std::vector<std::wstring> soundLog;
