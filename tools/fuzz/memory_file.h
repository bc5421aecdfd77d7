// One anonymous in-memory file per process that the checks rewrite for every
// input, so the loaders open the bytes by name through their usual file path
// without touching the disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Replaces the file's contents with the bytes and returns the name to open it
// by; an empty name when the file cannot be written.
std::wstring writeMemoryFile(const std::uint8_t* data, std::size_t size);
