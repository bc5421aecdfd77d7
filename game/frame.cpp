#include "game/game.h"
#include "game/game_state.h"

// One frame: each section updates and draws its own objects, so this order is
// both the painter's order and the order in which data flows between sections.
void runFrame(RenderTarget* target) {
    updateBackground(target);
    movePlayer();
    fireVolley();
    for (int stream = 0; stream < kShotStreamCount; ++stream) updateShots(target, stream);
    drawPlayer(target);
    if constexpr (kPodLasers) updatePodLasers(target);
    updateEnemyLasers(target);
    updateRingBursts(target);
    updateFanShots(target);
    updateMissiles(target);
    updateSpreadVolleys(target);
    updateEnemyFleet(target);
    updateLockOnSight(target);  // the second edition's homing lasers fly inside it
    updateStageScript(target);
}
