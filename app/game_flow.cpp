// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#include "app/game_flow.h"

#include "app/recording.h"
#include "app/watch.h"
#include "app/window_modes.h"
#include "control/camera.h"
#include "game/game_state.h"
#include "game/playable_world.h"
#include "screens/title_screen.h"

namespace vortimbal {

namespace {
constexpr int citizensAndPlayer = 51;
}

void startNextLevel() {
    level += 1;
    const DifficultyRules& rules = rulesOf(gameWorld->getDifficulty());
    gameWorld->addFigures(level * rules.badGuysPerLevel + rules.extraBadGuys, true);
    gameWorld->addFigures(citizensAndPlayer - gameWorld->goodLeft(), false);
    gameWorld->resetPlayer(float(level) * 0.05f + 0.95f);
    // The player is back at the start: the view must not sweep there through the houses.
    camera.cut();
    gameState = Playing;
    gameUnderway = true;
}

void startNewGame() {
    // Before the city changes: a game left for this one claims where it stood.
    startGameRecording();
    gameWorld->removeBadGuys();
    gameWorld->setDifficulty(chosenDifficulty);
    level = 0;
    startNextLevel();
}

void pauseGame() {
    // A replay watched in the window leaves it as the player has it.
    if (!watching()) {
        leaveGameMode();
    }
    gameState = Title;
    titleSelection = ResumeItem;
}

void resumeGame() {
    if (gamePaused()) {
        gameState = Playing;
    }
}

void leaveFinishedGame() {
    gameState = Title;
    gameUnderway = false;
    if (titleSelection == ResumeItem) {
        titleSelection = NewGameItem;
    }
}

}  // namespace vortimbal
