#include "platform/com.h"

#include <atomic>

namespace {
std::atomic<int> initCount{0};
}

HResult CoInitialize(void*) {
    ++initCount;
    return S_OK;
}

void CoUninitialize() { --initCount; }

int comInitCount() { return initCount.load(); }
