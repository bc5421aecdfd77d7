// Apartment bookkeeping: the program initialises and uninitialises its
// component runtime in balanced pairs on the UI thread. Nothing here needs a
// real runtime on Linux; the count lets tests check the balance.
#pragma once

#include "platform/render.h"

HResult CoInitialize(void* reserved);
void CoUninitialize();
int comInitCount();
