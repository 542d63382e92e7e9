// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "game/game_state.h"

#include "game/world.h"

namespace vortimbal {

int gameState = Title;
int level = 0;
bool gameUnderway = false;
long stepsTaken = 0;
Difficulty chosenDifficulty = Difficulty::Normal;
bool difficultyHeld = false;

World world;
PlayableWorld* gameWorld = &world;

bool gamePaused() {
    return gameState == Title && gameUnderway;
}

}  // namespace vortimbal
