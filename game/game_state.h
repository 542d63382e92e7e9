// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "game/difficulty.h"

namespace vortimbal {

class PlayableWorld;
class World;

// Where the game stands. The shell's flow moves it; the screens only show it.
enum GameState { Title = 1, Playing = 2, LevelCleared = 3, GameOver = 4 };

// Where a run's game stands, in one place: a replay watched in the window has
// its own and sets the player's aside whole.
struct GameStanding {
    int gameState = Title;
    int level = 0;
    // A game has started and not ended: the title can resume it.
    bool gameUnderway = false;
    // What "New Game" starts: the player's setting, or --difficulty for one
    // run, or a replay's.
    Difficulty chosenDifficulty = Difficulty::Normal;
    // --difficulty chose it for the run (or for the run a replay plays): the
    // Options page shows so and leaves it be.
    bool difficultyHeld = false;
    // Fixed steps run since the run began: the game's clock, what recorded
    // inputs are numbered by.
    long stepsTaken = 0;
    // The world the shell steps, shows and commands: `world`, a watched
    // replay's own, or a stand-in in tests.
    PlayableWorld* gameWorld = nullptr;
};
extern GameStanding standing;

// The standing of the run now played, by name.
extern int& gameState;
extern int& level;
extern bool& gameUnderway;
extern Difficulty& chosenDifficulty;
extern bool& difficultyHeld;
extern long& stepsTaken;
extern PlayableWorld*& gameWorld;

// The one game world, built at start-up.
extern World world;

// True while the title screen stands in front of a game that goes on.
bool gamePaused();

}  // namespace vortimbal
