// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "game/game_state.h"

#include "game/world.h"

namespace vortimbal {

World world;
GameStanding standing{Title, 0, false, Difficulty::Normal, false, 0, &world};

int& gameState = standing.gameState;
int& level = standing.level;
bool& gameUnderway = standing.gameUnderway;
Difficulty& chosenDifficulty = standing.chosenDifficulty;
bool& difficultyHeld = standing.difficultyHeld;
long& stepsTaken = standing.stepsTaken;
PlayableWorld*& gameWorld = standing.gameWorld;

bool gamePaused() {
    return gameState == Title && gameUnderway;
}

}  // namespace vortimbal
