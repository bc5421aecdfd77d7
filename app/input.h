// The key tables, indexed by virtual-key code. The window procedure and the
// trace tool's key script both feed them through onKeyDown / onKeyUp.
#pragma once

#include <cstdint>

inline constexpr int VK_SPACE = 0x20;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;

extern std::uint8_t keyDown[256];
extern std::uint8_t keyLatched[256];

// Codes of 256 and more are ignored. Auto-repeat key-downs only set keyDown again.
void onKeyDown(std::uintptr_t virtualKey);
void onKeyUp(std::uintptr_t virtualKey);

// 1 exactly once per press of the key, else 0.
int keyPressedOnce(int virtualKey);
