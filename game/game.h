// The sections of the frame routine, in the order runFrame calls them.
#pragma once

#include "platform/render.h"

void updateBackground(RenderTarget* target);   // background.cpp
void movePlayer();                             // player.cpp
void fireVolley();                             // shots.cpp
void updateShots(RenderTarget* target, int stream);
void drawPlayer(RenderTarget* target);         // player.cpp
void updatePodLasers(RenderTarget* target);    // lasers.cpp, first edition
void updateEnemyLasers(RenderTarget* target);  // lasers.cpp
void updateRingBursts(RenderTarget* target);   // ring_bursts.cpp
void updateFanShots(RenderTarget* target);     // fan_shots.cpp
void updateMissiles(RenderTarget* target);     // missiles.cpp
void updateSpreadVolleys(RenderTarget* target);  // spread_volleys.cpp
void updateEnemyFleet(RenderTarget* target);   // fleet.cpp
void updateLockOnSight(RenderTarget* target);  // lock_on.cpp
void updateHomingLasers(RenderTarget* target);  // lasers.cpp, second edition
void updateStageScript(RenderTarget* target);  // stage_script.cpp
