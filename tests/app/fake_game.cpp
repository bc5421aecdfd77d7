#include "tests/app/fake_game.h"

#include "game/game_state.h"

std::atomic<int> framesRun{0};
int gameResets = 0;
std::vector<std::string> frameLog;

void resetGame() {
    ++gameResets;
}

void runFrame(RenderTarget*) {
    ++framesRun;
    frameLog.emplace_back("runFrame");
}
