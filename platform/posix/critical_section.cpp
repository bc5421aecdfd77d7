#include "platform/timer.h"

void InitializeCriticalSection(CriticalSection* section) {
    section->mutex = new std::recursive_mutex();
}

void EnterCriticalSection(CriticalSection* section) {
    section->mutex->lock();
}

void LeaveCriticalSection(CriticalSection* section) {
    section->mutex->unlock();
}

void DeleteCriticalSection(CriticalSection* section) {
    delete section->mutex;
    section->mutex = nullptr;
}
