// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Vortimbal 3 authors

#pragma once

#include "game/difficulty.h"

namespace vortimbal {

class PlayableWorld;
class World;

// Where the game stands. The shell's flow moves it; the screens only show it.
enum GameState { Title = 1, Playing = 2, LevelCleared = 3, GameOver = 4 };
extern int gameState;
extern int level;
// A game has started and not ended: the title can resume it.
extern bool gameUnderway;
// What "New Game" starts: the player's setting, or --difficulty for one run,
// or a replay's.
extern Difficulty chosenDifficulty;
// --difficulty chose it for the run (or for the run a replay plays): the
// Options page shows so and leaves it be.
extern bool difficultyHeld;
// Fixed steps run since start-up: the game's clock, what recorded inputs are
// numbered by.
extern long stepsTaken;

// The one game world, built at start-up.
extern World world;
// The world the shell steps, shows and commands: `world`, or a stand-in in tests.
extern PlayableWorld* gameWorld;

// True while the title screen stands in front of a game that goes on.
bool gamePaused();

}  // namespace vortimbal
