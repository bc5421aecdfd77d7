#include "app/startup.h"

int main() {
    return winMain(GetModuleHandle(nullptr), SW_SHOWDEFAULT);
}
