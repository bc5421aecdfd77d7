// The program's life: start-up in a fixed order, the message loop, and the
// teardown in its own fixed order.
#pragma once

#include "platform/window.h"

// The whole run; the process exit code: 0 after a normal close, 1 when start-up
// failed or the window system broke down.
int winMain(InstanceHandle instance, int showCommand);

// False at the first step that fails; what was made so far is left as it is.
bool startUp(InstanceHandle instance, int showCommand);
// Dispatches messages until WM_QUIT; returns the exit code.
int runMessageLoop();
void tearDown(InstanceHandle instance);
