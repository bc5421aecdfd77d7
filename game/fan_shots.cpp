#include "game/game.h"
#include "game/game_state.h"

// Placeholder until this section is written.
void updateFanShots(RenderTarget*) {}
