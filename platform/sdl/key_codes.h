// SDL key codes to the virtual-key codes the key tables are indexed by.
#pragma once

#include <SDL.h>

#include <cstdint>

inline constexpr std::uint32_t VK_F4 = 0x73;
inline constexpr std::uint32_t VK_F10 = 0x79;
inline constexpr std::uint32_t VK_MENU = 0x12;

// 0 for keys without a virtual-key code of their own.
std::uint32_t virtualKeyFromKeycode(SDL_Keycode key);
