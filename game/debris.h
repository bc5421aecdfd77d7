// The debris of one enemy slot: its destruction burst and the flight of its fragments.
#pragma once

#include "platform/render.h"

// Runs the burst of enemy `slot` if its flash is set, then moves, draws and retires the
// slot's fragments. Called by the fleet pass right after the slot's enemy.
void updateDebrisRow(RenderTarget* target, int slot);
