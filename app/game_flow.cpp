#include "app/game_flow.h"

#include "app/game_state.h"
#include "game/playable_world.h"

namespace vortimbal {

namespace {
constexpr int citizensAndPlayer = 51;
}

void startNextLevel() {
    level += 1;
    gameWorld->addFigures(level * 5 + 5, true);
    gameWorld->addFigures(citizensAndPlayer - gameWorld->goodLeft(), false);
    gameWorld->resetPlayer(float(level) * 0.05f + 0.95f);
    gameState = Playing;
}

void startNewGame() {
    gameWorld->removeBadGuys();
    level = 0;
    startNextLevel();
}

}  // namespace vortimbal
