#include "app/input.h"

std::uint8_t keyDown[256];
std::uint8_t keyLatched[256];

void onKeyDown(std::uintptr_t virtualKey) {
    if (virtualKey >= 256) return;
    keyDown[virtualKey] = 1;
}

void onKeyUp(std::uintptr_t virtualKey) {
    if (virtualKey >= 256) return;
    keyDown[virtualKey] = 0;
    keyLatched[virtualKey] = 0;
}

int keyPressedOnce(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= 256) return 0;
    if (keyDown[virtualKey] == 1 && keyLatched[virtualKey] == 0) {
        keyLatched[virtualKey] = 1;
        return 1;
    }
    return 0;
}
